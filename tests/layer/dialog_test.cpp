// Modal dialogs from a template of the tests' own: the nested loop, the keys
// and buttons that end it, the entry's character limit, GetDlgItemInt.
#include <cstring>
#include <string>

#include "platform/hosts/headless/headless_state.h"
#include "resources/dialog_templates.h"
#include "tests/layer/layer_fixture.h"

namespace {

constexpr int kEditId = 100;
constexpr int kLabelId = 101;

const DialogControlTemplate kControls[] = {
    {"STATIC", "Number:", -1, WS_CHILD | WS_VISIBLE | SS_LEFT, 5, 5, 60, 12},
    {"STATIC", "", kLabelId, WS_CHILD | WS_VISIBLE | SS_RIGHT, 5, 20, 40, 12},
    {"EDIT", "", kEditId, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 50, 20, 28, 12},
    {"BUTTON", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 10, 40, 50, 14},
    {"BUTTON", "Cancel", IDCANCEL, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 70, 40, 50, 14},
};
const DialogTemplate kTemplate = {"TESTDLG", "Test", DS_MODALFRAME | WS_CAPTION | WS_SYSMENU,
                                  0, 0, 140, 60, 12, "Sans", kControls, 5};

// What the test dialog procedure does and records.
struct DialogRun {
    int limit = 3;
    BOOL initResult = FALSE;
    int focusId = kEditId;     // where the procedure puts the focus when it returns FALSE
    UINT number = 12345;       // GetDlgItemInt of the entry at OK
    HWND dialog = nullptr;
    std::vector<UINT> commands;
};
DialogRun g_run;

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        g_run.dialog = dialog;
        SendMessageA(GetDlgItem(dialog, kEditId), EM_LIMITTEXT, g_run.limit, 0);
        if (!g_run.initResult) SetFocus(GetDlgItem(dialog, g_run.focusId));
        return g_run.initResult;
    case WM_COMMAND:
        g_run.commands.push_back(LOWORD(wParam));
        if (LOWORD(wParam) == IDOK) {
            g_run.number = GetDlgItemInt(dialog, kEditId, nullptr, FALSE);
            return EndDialog(dialog, 1);
        }
        if (LOWORD(wParam) == IDCANCEL) return EndDialog(dialog, 0);
        return FALSE;
    default: return FALSE;
    }
}

class DialogTest : public LayerTest {
protected:
    HWND owner_ = nullptr;

    void SetUp() override
    {
        LayerTest::SetUp();
        g_run = DialogRun();
        owner_ = CreateTestWindow();
        ShowWindow(owner_, SW_SHOW);
        Settle();
    }

    // Runs the dialog with script lines given while it is open.
    INT_PTR RunDialog(std::vector<std::string> lines)
    {
        std::deque<std::function<void()>> steps;
        for (const std::string &line : lines) {
            steps.push_back([line] {
                std::string error;
                EXPECT_TRUE(headless::RunScriptLine(line, &error)) << line << ": " << error;
            });
        }
        SetScript(std::move(steps));
        return DialogBoxParamA(GetModuleHandleA(nullptr), "TESTDLG", owner_, TestDialogProc, 0);
    }
};

}  // namespace

// The layer takes its templates from here in this program.
const DialogTemplate *FindDialogTemplate(const char *name)
{
    return std::strcmp(name, kTemplate.name) == 0 ? &kTemplate : nullptr;
}

namespace {

TEST_F(DialogTest, EachWayOfClosingGivesItsCommand)
{
    struct Case {
        std::vector<std::string> lines;
        INT_PTR result;
        UINT number;
        UINT command;
    };
    const Case cases[] = {
        {{"dialog 5", "dialog-ok"}, 1, 5, IDOK},
        {{"dialog 42", "key Return"}, 1, 42, IDOK},   // Enter presses OK
        // Enter presses the focused button: Tab goes entry, OK, Cancel.
        {{"dialog 9", "key Tab", "key Return"}, 1, 9, IDOK},
        {{"dialog 9", "key Tab", "key Tab", "key Return"}, 0, 12345, IDCANCEL},
        {{"dialog 9", "key Tab", "key Tab", "key Tab", "key Return"}, 1, 9, IDOK},
        {{"dialog 7", "dialog-cancel"}, 0, 12345, IDCANCEL},
        {{"dialog 7", "dialog-esc"}, 0, 12345, IDCANCEL},
        {{"dialog 7", "key Escape"}, 0, 12345, IDCANCEL},
        {{"dialog-ok"}, 1, 0, IDOK},                  // an empty entry reads 0
    };
    for (const Case &c : cases) {
        g_run = DialogRun();
        EXPECT_EQ(RunDialog(c.lines), c.result) << c.lines[0];
        EXPECT_EQ(g_run.number, c.number) << c.lines[0];
        EXPECT_EQ(g_run.commands, std::vector<UINT>{c.command}) << c.lines[0];
        EXPECT_TRUE(layer::OpenDialogs().empty());
    }
}

TEST_F(DialogTest, TheCloseBoxGivesIdcancelAndTheOwnersCloseBoxIsDisabled)
{
    std::deque<std::function<void()>> steps = {
        [this] { layer::OnCloseRequested(owner_); },
        [] { layer::OnCloseRequested(g_run.dialog); },
    };
    SetScript(std::move(steps));
    EXPECT_EQ(DialogBoxParamA(nullptr, "TESTDLG", owner_, TestDialogProc, 0), 0);
    EXPECT_EQ(g_run.commands, std::vector<UINT>{IDCANCEL});
    RECT rect;
    EXPECT_TRUE(GetWindowRect(owner_, &rect));  // the owner survived its close box
}

TEST_F(DialogTest, TheEntryTakesAtMostItsLimitOfCharactersTypedOrPasted)
{
    struct Case {
        int limit;
        std::string typed;     // UTF-8
        std::string kept;      // code page 932
    };
    const Case cases[] = {
        {3, "1234", "123"},
        {3, "12", "12"},
        {2, "\xE5\x85\xA8\xE5\x85\xA8\xE5\x85\xA8", "\x91\x53\x91\x53"},  // 全全全: two kept
        {0, std::string(40, '9'), std::string(40, '9')},                  // 0: no real limit
    };
    for (const Case &c : cases) {
        g_run = DialogRun();
        g_run.limit = c.limit;
        std::string kept;
        std::deque<std::function<void()>> steps = {
            [&c] { headless::TypeIntoDialog(c.typed); },
            [&kept] {
                char text[64];
                GetWindowTextA(GetDlgItem(g_run.dialog, kEditId), text, sizeof text);
                kept = text;
            },
            [] { layer::OnDialogCommand(g_run.dialog, IDCANCEL); },
        };
        SetScript(std::move(steps));
        DialogBoxParamA(nullptr, "TESTDLG", owner_, TestDialogProc, 0);
        EXPECT_EQ(kept, c.kept) << c.typed;
    }
}

TEST_F(DialogTest, APasteIsCutToTheLimitAndTheHostIsToldSo)
{
    std::string shown;
    std::deque<std::function<void()>> steps = {
        [] { layer::OnEditTextChanged(GetDlgItem(g_run.dialog, kEditId), "98765"); },
        [&shown] {
            shown = headless::ControlText(GetDlgItem(g_run.dialog, kEditId));
            EXPECT_EQ(headless::EditLimit(GetDlgItem(g_run.dialog, kEditId)), 3);
        },
        [] { layer::OnDialogCommand(g_run.dialog, IDOK); },
    };
    SetScript(std::move(steps));
    EXPECT_EQ(DialogBoxParamA(nullptr, "TESTDLG", owner_, TestDialogProc, 0), 1);
    EXPECT_EQ(shown, "987");
    EXPECT_EQ(g_run.number, 987u);
}

TEST_F(DialogTest, TheNestedLoopKeepsServingTheOwner)
{
    SetTimer(owner_, 0, 1000, nullptr);
    std::deque<std::function<void()>> steps = {
        [this] {
            PostMessageA(owner_, 0x0401, 0, 0);
            InvalidateRect(owner_, nullptr, TRUE);
        },
        [] {
            std::string error;
            headless::RunScriptLine("advance 2500", &error);
        },
        [] { layer::OnDialogCommand(g_run.dialog, IDCANCEL); },
    };
    SetScript(std::move(steps));
    DialogBoxParamA(nullptr, "TESTDLG", owner_, TestDialogProc, 0);
    EXPECT_EQ(LoggedMessages(), (std::vector<UINT>{0x0401, WM_PAINT, WM_TIMER, WM_TIMER}));
    EXPECT_EQ(headless::NowMs(), 2500);
}

TEST_F(DialogTest, KeysForTheOwnerGoToTheDialogWhileItIsOpen)
{
    std::deque<std::function<void()>> steps = {
        [this] { layer::OnKeyDown(owner_, VK_SPACE); },
        [this] { layer::OnKeyUp(owner_, VK_SPACE); },
        [this] { layer::OnKeyDown(owner_, VK_RETURN); },
    };
    SetScript(std::move(steps));
    EXPECT_EQ(DialogBoxParamA(nullptr, "TESTDLG", owner_, TestDialogProc, 0), 1);
    EXPECT_EQ(LoggedMessages(), std::vector<UINT>{});  // the owner saw no key
}

// Windows disables the owner of a modal dialog: its bars and frame take no
// clicks or drags, so it gets no scroll messages and no new size.
TEST_F(DialogTest, TheOwnerTakesNoScrollRequestsOrResizesWhileADialogIsOpen)
{
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 99, 10, 0, 0};
    SetScrollInfo(owner_, SB_VERT, &info, TRUE);
    Settle();
    std::vector<std::string> refused;
    auto refuse = [&refused](const char *line) {
        std::string error;
        if (!headless::RunScriptLine(line, &error)) refused.push_back(error);
    };
    std::deque<std::function<void()>> steps = {
        [this] { layer::OnScrollRequest(owner_, SB_VERT, SB_PAGEDOWN, 0); },
        [&] { refuse("vscroll SB_LINEDOWN"); },
        [&] { refuse("resize 300 200"); },
        [] { layer::OnDialogCommand(g_run.dialog, IDCANCEL); },
    };
    SetScript(std::move(steps));
    DialogBoxParamA(nullptr, "TESTDLG", owner_, TestDialogProc, 0);
    EXPECT_EQ(LoggedMessages(), std::vector<UINT>{});
    EXPECT_EQ(refused.size(), 2u);
    // Enabled again once the dialog is gone.
    layer::OnScrollRequest(owner_, SB_VERT, SB_PAGEDOWN, 0);
    EXPECT_EQ(LoggedMessages(), std::vector<UINT>{WM_VSCROLL});
}

TEST_F(DialogTest, FocusGoesWhereTheProcedureSaysOrToTheFirstTabStop)
{
    struct Case {
        BOOL initResult;
        int focusedId;
    };
    // Returning TRUE leaves the focus to the layer: the first tab stop, the entry.
    for (const Case &c : {Case{FALSE, IDCANCEL}, Case{TRUE, kEditId}}) {
        g_run = DialogRun();
        g_run.initResult = c.initResult;
        g_run.focusId = IDCANCEL;
        int focusedId = 0;
        SetScript({[&focusedId] {
                       for (int id : {kEditId, IDOK, IDCANCEL}) {
                           if (layer::FocusedWindow() == GetDlgItem(g_run.dialog, id)) focusedId = id;
                       }
                   },
                   [] { layer::OnDialogCommand(g_run.dialog, IDCANCEL); }});
        DialogBoxParamA(nullptr, "TESTDLG", owner_, TestDialogProc, 0);
        EXPECT_EQ(focusedId, c.focusedId) << c.initResult;
    }
}

TEST_F(DialogTest, AnUnknownTemplateFailsWithoutALoop)
{
    EXPECT_EQ(DialogBoxParamA(nullptr, "NOSUCH", owner_, TestDialogProc, 0), -1);
    EXPECT_EQ(DialogBoxParamA(nullptr, "TESTDLG", owner_, nullptr, 0), -1);
    EXPECT_TRUE(layer::OpenDialogs().empty());
}

TEST_F(DialogTest, AQuitMessageEndsTheDialogAndStaysForTheOuterLoop)
{
    SetScript({[] { PostQuitMessage(5); }});
    EXPECT_EQ(DialogBoxParamA(nullptr, "TESTDLG", owner_, TestDialogProc, 0), 0);
    MSG msg;
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 5u);
}

TEST_F(DialogTest, GetDlgItemIntReadsTheEntryAsWindowsDoes)
{
    struct Case {
        const char *text;
        BOOL isSigned;
        UINT value;
        BOOL translated;
    };
    const Case cases[] = {
        {"", FALSE, 0, FALSE},         {"5", FALSE, 5, TRUE},
        {"  42", FALSE, 42, TRUE},     {"\t7", FALSE, 7, TRUE},
        {"12a", FALSE, 12, TRUE},      {"abc", FALSE, 0, FALSE},
        {"-5", FALSE, 0, FALSE},       {"-5", TRUE, static_cast<UINT>(-5), TRUE},
        {"007", FALSE, 7, TRUE},       {"4294967295", FALSE, 4294967295u, TRUE},
        {"4294967296", FALSE, 0, FALSE}, {"2147483648", TRUE, 0, FALSE},
        {" ", FALSE, 0, FALSE},
    };
    std::vector<std::pair<UINT, BOOL>> read;
    SetScript({[&] {
        HWND edit = GetDlgItem(g_run.dialog, kEditId);
        for (const Case &c : cases) {
            SetWindowTextA(edit, c.text);
            BOOL translated = 2;
            UINT value = GetDlgItemInt(g_run.dialog, kEditId, &translated, c.isSigned);
            read.push_back({value, translated});
        }
        layer::OnDialogCommand(g_run.dialog, IDCANCEL);
    }});
    DialogBoxParamA(nullptr, "TESTDLG", owner_, TestDialogProc, 0);
    ASSERT_EQ(read.size(), std::size(cases));
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].first, cases[i].value) << "'" << cases[i].text << "'";
        EXPECT_EQ(read[i].second, cases[i].translated) << "'" << cases[i].text << "'";
    }
}

TEST_F(DialogTest, TheDialogKeepsTheIconsItIsGiven)
{
    HICON icon = LoadIconA(nullptr, "MYICON");
    LRESULT first = 1, second = 0;
    int shownWidth = 0, shownAfterRemoval = -1;
    SetScript({[&] {
        first = SendMessageA(g_run.dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        shownWidth = headless::State().windows[g_run.dialog].icon.width;  // on the host's dialog
        second = SendMessageA(g_run.dialog, WM_SETICON, ICON_SMALL, 0);
        shownAfterRemoval = headless::State().windows[g_run.dialog].icon.width;
        layer::OnDialogCommand(g_run.dialog, IDCANCEL);
    }});
    DialogBoxParamA(nullptr, "TESTDLG", owner_, TestDialogProc, 0);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, reinterpret_cast<LRESULT>(icon));
    EXPECT_EQ(shownWidth, 32);
    EXPECT_EQ(shownAfterRemoval, 0);
}

}  // namespace
