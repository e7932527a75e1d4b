#include "model/plansza.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/instalacja.h"

const std::uint8_t BitMask[8] = {1, 2, 4, 8, 16, 32, 64, 128};

Pole Plansza[BoardSpan][BoardSpan];

const char LayoutPath[] = "Program Files\\Venk's Zertanik Dezoze EN\\dane/normalna.pln";
const char LayoutKind[] = "board layout";

namespace {

void ApplyLayoutChar(Pole& p, std::int8_t c)
{
    switch (c) {
    case '1': p.colourClass = 1; break;
    case '2': p.colourClass = 2; break;
    case '3': p.colourClass = 3; break;
    case '5': p.colourClass = 5; break;
    case '!': p.wordMultiplier = 2; break;
    case '@': p.wordMultiplier = 3; break;
    case 'x':
        p.startFlag = 1;
        p.colourClass = 5;
        break;
    default: break;
    }
}

// Whether text holds only spaces and tabs (or nothing).
bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

int InitPlansza(const char* path, FileFault* fault)
{
    for (auto& column : Plansza)
        for (Pole& p : column)
            p = Pole{};

    std::FILE* f = OpenDataFile(path, "rb", LayoutKind, fault);
    if (!f)
        return 1;
    // A layout is 15 short lines; anything much longer is no layout.
    constexpr std::size_t MostBytes = 4096;
    std::string text(MostBytes + 1, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), f));
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    const std::string real = RealPath(path);
    if (failed)
        return RefuseFile(fault, LayoutKind, real, "can't read it");
    if (text.size() > MostBytes)
        return RefuseFile(fault, LayoutKind, real, "it is too long for a layout");

    // Lines end in CR LF or LF; the last line end may be left out.
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        from = end + 1;
    }
    // Blanks after the rows (an editor's extra line ends, spaces or tabs at
    // line ends) are no squares.
    while (lines.size() > BoardSize && IsBlank(lines.back()))
        lines.pop_back();
    if (lines.size() != BoardSize)
        return RefuseFile(fault, LayoutKind, real,
                          "it has " + std::to_string(lines.size()) + " lines, not 15");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > BoardSize && IsBlank(lines[i].substr(BoardSize)))
            lines[i].resize(BoardSize);
        if (lines[i].size() != BoardSize)
            return RefuseFile(fault, LayoutKind, real,
                              "line " + std::to_string(i + 1) + " has "
                                  + std::to_string(lines[i].size()) + " squares, not 15");
    }
    for (int i = 0; i < BoardSize; ++i)
        for (int j = 0; j < BoardSize; ++j)
            ApplyLayoutChar(Plansza[j + 1][i + 1], static_cast<std::int8_t>(lines[i][j]));
    return 0;
}

void FreePlanszaSets()
{
    for (auto& column : Plansza)
        for (Pole& p : column) {
            p.acrossSet.Clear();
            p.downSet.Clear();
        }
}
