// Telling the player about files the game could not use. The readers log
// each failure and describe it in a FileFault; the windows put what the
// player should know into one message box and carry on.
#pragma once

#include <string>
#include <vector>

#include "platform/instalacja.h"

class wxWindow;

// One paragraph of a message: the fault ("Dictionary 'FILE': WHAT.") and,
// on the next line, what the game does without the file.
std::string FaultParagraph(const FileFault& fault, const std::string& outcome);

// Shows the paragraphs in one modal message box over parent; nothing when
// there are none.
void TellPlayer(const std::vector<std::string>& paragraphs, wxWindow* parent = nullptr);
