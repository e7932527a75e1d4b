// MyApp: the application object. Its start-up builds the start window and
// loads the dictionary; the program ends when the start window is closed.
#pragma once

#include <wx/app.h>

class MyApp : public wxApp {
public:
    ~MyApp() override;
    bool OnInit() override;
};

// The start-up sequence of MyApp::OnInit, callable on its own (tests run it
// inside their own application object).
bool StartProgram();
