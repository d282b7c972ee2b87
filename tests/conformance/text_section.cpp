// Code page 932 as the system reads it: which bytes lead, where CharNextA and
// CharPrevA step in every pair of bytes, every single byte and every pair
// after a lead byte through MultiByteToWideChar and back through
// WideCharToMultiByte, and what WideCharToMultiByte makes of the rest of the
// Basic Multilingual Plane.
#include <string>
#include <vector>

#include "tests/conformance/conformance.h"

using namespace conformance;

namespace {

const UINT kCodePage = 932;

// The steps CharNextA and CharPrevA take in "ab" (and its terminator), for
// every b: one row per first byte a.
void PrintSteps()
{
    std::vector<std::string> next(256), previous(256);
    for (int a = 0; a < 256; ++a) {
        auto text = [a](int b) { return std::string{char(a), char(b)}; };
        next[a] = RunsOf(256, [&](int b) {
            std::string t = text(b);
            return std::to_string(CharNextA(t.c_str()) - t.c_str());
        });
        previous[a] = RunsOf(256, [&](int b) {
            std::string t = text(b);
            return std::to_string(CharPrevA(t.c_str(), t.c_str() + 2) - t.c_str());
        });
    }
    PrintRows("CharNextA", next);
    PrintRows("CharPrevA(+2)", previous);
}

// The UTF-16 units of `bytes` ("-" when the call fails), and where
// WideCharToMultiByte takes a single unit back to other bytes, those.
std::string Converted(const std::string &bytes, std::vector<WCHAR> *units)
{
    WCHAR out[8];
    int count = MultiByteToWideChar(kCodePage, 0, bytes.data(), int(bytes.size()), out, 8);
    units->assign(out, out + (count > 0 ? count : 0));
    if (count <= 0) return "-";
    std::string text;
    for (int i = 0; i < count; ++i) text += Format(i ? ".%04X" : "%04X", unsigned(out[i]));
    if (count == 1) {
        char back[8];
        BOOL usedDefault = FALSE;
        int length = WideCharToMultiByte(kCodePage, 0, out, 1, back, 8, nullptr, &usedDefault);
        if (std::string(back, length > 0 ? length : 0) != bytes || usedDefault) {
            text += ">";
            for (int i = 0; i < length; ++i) text += Format("%02X", unsigned(back[i]) & 0xFF);
            if (usedDefault) text += "(default)";
        }
    }
    return text;
}

// One conversion row: runs of inputs with the same answer ("01-3F:30FB")
// and runs that map to consecutive units ("40-7E:3000+") share an entry.
std::string ConversionRow(const std::vector<std::string> &inputs)
{
    std::vector<std::string> texts(inputs.size());
    std::vector<int> unit(inputs.size(), -1);  // the one plain unit of an answer, else -1
    for (size_t i = 0; i < inputs.size(); ++i) {
        std::vector<WCHAR> units;
        texts[i] = Converted(inputs[i], &units);
        if (units.size() == 1 && texts[i].size() == 4) unit[i] = units[0];
    }
    std::string row;
    for (size_t start = 0, end; start < inputs.size(); start = end) {
        end = start + 1;
        while (end < inputs.size() && texts[end] == texts[start]) ++end;
        bool ascending = false;
        if (end == start + 1) {
            while (end < inputs.size() && unit[start] >= 0 &&
                   unit[end] == unit[start] + int(end - start))
                ++end;
            ascending = end > start + 1;
        }
        row += end == start + 1 ? Format(" %02X:", unsigned(start))
                                : Format(" %02X-%02X:", unsigned(start), unsigned(end - 1));
        row += texts[start] + (ascending ? "+" : "");
    }
    return row;
}

void PrintConversions()
{
    std::vector<std::string> singles;
    for (int b = 0; b < 256; ++b) singles.push_back(std::string(1, char(b)));
    Print("MultiByteToWideChar single:%s\n", ConversionRow(singles).c_str());
    for (int lead = 0; lead < 256; ++lead) {
        if (!IsDBCSLeadByte(BYTE(lead))) continue;
        std::vector<std::string> pairs;
        for (int trail = 0; trail < 256; ++trail) pairs.push_back(std::string{char(lead), char(trail)});
        Print("MultiByteToWideChar %02X:%s\n", unsigned(lead), ConversionRow(pairs).c_str());
    }
}

// Every unit of the plane but the surrogates, through WideCharToMultiByte:
// the characters that come back from code page 932 unchanged are the rows
// above; here, per block of 256, how many have no form (the default
// character) and every one given a form that reads back as another ("best fit").
void PrintWideCharacters()
{
    for (int block = 0; block < 256; ++block) {
        if (block >= 0xD8 && block <= 0xDF) continue;
        int missing = 0;
        std::string fitted;
        for (int low = 0; low < 256; ++low) {
            WCHAR unit = WCHAR(block << 8 | low);
            char bytes[8];
            BOOL usedDefault = FALSE;
            int length = WideCharToMultiByte(kCodePage, 0, &unit, 1, bytes, 8, nullptr, &usedDefault);
            if (usedDefault || length <= 0) {
                ++missing;
                continue;
            }
            WCHAR back[4];
            int count = MultiByteToWideChar(kCodePage, 0, bytes, length, back, 4);
            if (count == 1 && back[0] == unit) continue;
            fitted += Format(" %04X>", unsigned(unit));
            for (int i = 0; i < length; ++i) fitted += Format("%02X", unsigned(bytes[i]) & 0xFF);
        }
        if (missing || !fitted.empty())
            Print("WideCharToMultiByte %02Xxx: %d without a form;%s\n", unsigned(block), missing,
                  fitted.c_str());
    }
}

}  // namespace

void PrintText()
{
    Print("IsDBCSLeadByte%s\n", RunsOf(256, [](int b) {
              return std::to_string(IsDBCSLeadByte(BYTE(b)) ? 1 : 0);
          }).c_str());
    PrintSteps();
    PrintConversions();
    PrintWideCharacters();
}
