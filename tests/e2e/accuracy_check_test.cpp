// The accuracy check: opened from the drawing test, held at each target through real presses,
// its result read from the screen and from the report saved through the Save dialog.
#include <windows.h>
#include <shlobj.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "drawing_test_steps.h"
#include "e2e_test.h"

using namespace e2e;
using namespace drawing_steps;

namespace {

class AccuracyCheck : public DrawingSteps {};

const char kCheckCaption[] = "Accuracy Check";
const char kSaveTitle[] = "Save Accuracy Report";
const char kInstruction[] = "Touch and hold the centre of the cross";

// Target 1..9: the grid at 10, 50 and 90 % of the screen, row by row from the top left.
POINT TargetAt(int number) {
    const int percents[3] = {10, 50, 90};
    int row = (number - 1) / 3, column = (number - 1) % 3;
    return {GetSystemMetrics(SM_CXSCREEN) * percents[column] / 100,
            GetSystemMetrics(SM_CYSCREEN) * percents[row] / 100};
}

// cmdAccuracy pressed in the drawing test; the check's window once it shows.
HWND OpenCheck(HWND test) {
    HWND check = nullptr;
    PressUntil(FindControlByName(test, "cmdAccuracy"),
               [&] { return (check = FindTopWindow(kCheckCaption)) != nullptr; });
    return check;
}

// Holds of 400 ms at the targets first to last, off by (dx, dy), the right button joining the
// hold at 9 when asked; true once the check has moved on from each.
bool HoldTargets(HWND check, int first, int last, int dx, int dy, bool rightJoins = false) {
    for (int number = first; number <= last; ++number) {
        POINT at = TargetAt(number);
        HoldAt({at.x + dx, at.y + dy}, 400, rightJoins && number == 9);
        std::string next = number < 9 ? "Target " + std::to_string(number + 1) + " of 9" : "";
        bool taken = WaitUntil([&] {
            return next.empty() ? IsWindowVisible(FindControlByName(check, "lblResult")) != FALSE
                                : TextOf(check, "lblProgress") == next;
        });
        if (!taken) return false;
    }
    return true;
}

std::string DocumentsFolder() {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The user's Documents folder moved to one named in Cyrillic and Japanese, as a profile of a
// user with such a name has it, for as long as this lives.
class DocumentsMoved {
public:
    DocumentsMoved() {
        wchar_t profile[MAX_PATH] = {};
        GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH);
        folder = std::wstring(profile) + L"\\Документы 書類";
        CreateDirectoryW(folder.c_str(), nullptr);
        RegCreateKeyW(HKEY_CURRENT_USER, kShellFolders, &key_);
        DWORD size = sizeof saved_;
        had_ = RegQueryValueExW(key_, L"Personal", nullptr, &savedType_,
                                reinterpret_cast<BYTE*>(saved_), &size) == ERROR_SUCCESS;
        savedSize_ = size;
        RegSetValueExW(key_, L"Personal", 0, REG_EXPAND_SZ,
                       reinterpret_cast<const BYTE*>(folder.c_str()),
                       DWORD((folder.size() + 1) * sizeof(wchar_t)));
    }
    ~DocumentsMoved() {
        if (had_)
            RegSetValueExW(key_, L"Personal", 0, savedType_, reinterpret_cast<BYTE*>(saved_),
                           savedSize_);
        else
            RegDeleteValueW(key_, L"Personal");
        RegCloseKey(key_);
        WIN32_FIND_DATAW file{};
        HANDLE found = FindFirstFileW((folder + L"\\*.txt").c_str(), &file);
        for (bool more = found != INVALID_HANDLE_VALUE; more; more = FindNextFileW(found, &file))
            DeleteFileW((folder + L"\\" + file.cFileName).c_str());
        if (found != INVALID_HANDLE_VALUE) FindClose(found);
        RemoveDirectoryW(folder.c_str());
    }
    DocumentsMoved(const DocumentsMoved&) = delete;
    DocumentsMoved& operator=(const DocumentsMoved&) = delete;

    std::wstring folder;

private:
    static constexpr const wchar_t* kShellFolders =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    HKEY key_ = nullptr;
    bool had_ = false;
    DWORD savedType_ = REG_NONE;
    DWORD savedSize_ = 0;
    wchar_t saved_[MAX_PATH] = {};
};

// What shows the test is as the user left it: its window in front, the stroke drawn before the
// check still there, and no other button mode sent than its own.
void CheckTheTestIsAsItWas(const SimDriver& driver, HWND test) {
    HWND canvas = FindControlByName(test, "picHome");
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == test; }))
        << "the drawing test again";
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(canvas, 200, 100) == RGB(0, 0, 255); }))
        << "the drawing is kept";
    EXPECT_TRUE(ButtonModesSent(driver) == std::vector<std::string>{"4"})
        << "the driver keeps the drawing test's mode";
}

}  // namespace

TEST_F(AccuracyCheck, NineHoldsGiveTheResultAndTheReportAWriteThatFailsSaysSo) {
    ASSERT_TRUE(Start(UserButtonMode));
    HWND test = OpenWithGesture();
    ASSERT_TRUE(test);
    HWND check = OpenCheck(test);
    ASSERT_TRUE(check) << "&Accuracy opens the check";
    RECT frame{};
    GetWindowRect(check, &frame);
    EXPECT_TRUE(frame.left == 0 && frame.top == 0 && frame.right == GetSystemMetrics(SM_CXSCREEN) &&
                frame.bottom == GetSystemMetrics(SM_CYSCREEN))
        << "the check fills the screen";
    EXPECT_EQ(TextOf(check, "lblInstruction"), kInstruction);
    EXPECT_EQ(TextOf(check, "lblProgress"), "Target 1 of 9");
    POINT first = TargetAt(1);
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(first) == RGB(0, 0, 0); }))
        << "the cross is crossed on the first target";
    SaveScreenshot(check, "accuracy_check");

    HoldAt({first.x + 3, first.y + 4}, 150);
    EXPECT_TRUE(WaitUntil([&] {
        return TextOf(check, "lblInstruction") ==
               "That touch was too short. Touch and hold the centre of the cross";
    })) << "a hold too short asks again";
    EXPECT_EQ(TextOf(check, "lblProgress"), "Target 1 of 9");
    // every target 5 pixels off but target 7, 20 pixels off: 2 % of the diagonal is 25.6
    for (int number = 1; number <= 9; ++number) {
        bool seventh = number == 7;
        ASSERT_TRUE(HoldTargets(check, number, number, seventh ? 12 : 3, seventh ? 16 : 4))
            << "target " << number << " is taken";
    }
    EXPECT_EQ(TextOf(check, "lblMeanError"), "Mean error: 6.7 px");
    EXPECT_EQ(TextOf(check, "lblLargestError"), "Largest error: 20.0 px (target 7)");
    EXPECT_EQ(TextOf(check, "lblResult"), "Result: Acceptable");
    EXPECT_FALSE(IsWindowVisible(FindControlByName(check, "picCheck")));
    SaveScreenshot(check, "accuracy_result");

    // the report, saved by name into the folder the dialog opens in
    HWND dialog = nullptr;
    EXPECT_TRUE(PressUntil(FindControlByName(check, "cmdSave"), [&] {
        return (dialog = FindTopWindow(kSaveTitle)) != nullptr;
    })) << "Save Report opens the Save dialog";
    std::string offered = FileNameInDialog(dialog);
    EXPECT_TRUE(offered.rfind("Accuracy check 20", 0) == 0 && offered.size() == 38 &&
                offered.substr(34) == ".txt")
        << "the name offered is the check's date and time: " << offered;
    std::string saved = DocumentsFolder() + "\\accuracy-e2e.txt";
    DeleteFileA(saved.c_str());
    EXPECT_TRUE(AnswerFileDialog(dialog, "accuracy-e2e.txt"));
    EXPECT_TRUE(WaitUntil([&] { return FileExists(saved); }))
        << "the report is in the Documents folder";
    WaitForWindowGone(dialog);
    std::string report = FileText(saved);
    DriverBlock block = driver.block();
    std::string screen = std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " x " +
                         std::to_string(GetSystemMetrics(SM_CYSCREEN)) + " pixels\r\n";
    POINT seventh = TargetAt(7);
    char seventhLine[80];
    std::snprintf(
        seventhLine, sizeof seventhLine, "%-7d %-11s %-15s %6.1f  %6.1f  %6.1f  %6.1f", 7,
        (std::to_string(seventh.x) + ", " + std::to_string(seventh.y)).c_str(),
        (std::to_string(seventh.x + 12) + ".0, " + std::to_string(seventh.y + 16) + ".0").c_str(),
        12.0, 16.0, 20.0, 0.0);
    for (const std::string& line :
         {std::string("TouchScreen Accuracy Check\r\n"),
          std::string("Program: TouchScreen Control Panel #NX-COM 7.5.COM\r\n"),
          "Screen: " + screen, "CalXMin=" + std::to_string(block.CalXMin) + " ",
          "CalYMax=" + std::to_string(block.CalYMax) + " ", std::string(seventhLine),
          std::string("Mean error: 6.7 px\r\nLargest error: 20.0 px (target 7)\r\n"
                      "Result: Acceptable\r\n")})
        EXPECT_TRUE(report.find(line) != std::string::npos) << line << " in:\n" << report;
    DeleteFileA(saved.c_str());

    // a file another program holds open cannot be written: a box says so, the result stays
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string locked = std::string(temp) + "accuracy-locked.txt";
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_TRUE(holder != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(holder, "old report", 10, &written, nullptr);
    EXPECT_TRUE(PressUntil(FindControlByName(check, "cmdSave"),
                           [&] { return (dialog = FindTopWindow(kSaveTitle)) != nullptr; }));
    EXPECT_TRUE(AnswerFileDialog(dialog, locked));
    MessageBoxInfo box;
    bool asked = WaitForMessageBox(kSaveTitle, box, panel->id());
    EXPECT_TRUE(asked) << "replace it?";
    if (asked) {
        EXPECT_TRUE(AnswerMessageBox(box, "&Yes")) << box.text;
    }
    bool told = WaitForMessageBox(kTitle, box, panel->id());
    EXPECT_TRUE(told) << "the write fails aloud";
    if (told) {
        EXPECT_TRUE(box.text.rfind("The report could not be saved to " + locked + ".", 0) == 0)
            << box.text;
        EXPECT_EQ(box.icon, "stop");
        AnswerMessageBox(box, "OK");
    }
    CloseHandle(holder);
    EXPECT_EQ(FileText(locked), "old report") << "the report there stays whole";
    WIN32_FIND_DATAA beside{};
    HANDLE found = FindFirstFileA((std::string(temp) + "rpt*.tmp").c_str(), &beside);
    EXPECT_TRUE(found == INVALID_HANDLE_VALUE) << "left beside it: " << beside.cFileName;
    if (found != INVALID_HANDLE_VALUE) FindClose(found);
    DeleteFileA(locked.c_str());
    EXPECT_EQ(TextOf(check, "lblLargestError"), "Largest error: 20.0 px (target 7)");
    EXPECT_TRUE(IsWindowVisible(FindControlByName(check, "lblResult")))
        << "nothing on screen is lost";

    EXPECT_TRUE(PressUntil(FindControlByName(check, "cmdAgain"), [&] {
        return IsWindowVisible(FindControlByName(check, "picCheck")) &&
               TextOf(check, "lblProgress") == "Target 1 of 9";
    })) << "Again starts over at the first target";
    EXPECT_EQ(TextOf(check, "lblInstruction"), kInstruction);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForWindowGone(check)) << "Esc ends the check begun again";
}

TEST_F(AccuracyCheck, EscOrTwentySecondsWithoutATouchLeaveTheDrawingTestAsItWas) {
    ASSERT_TRUE(Start(UserButtonMode));
    HWND test = OpenWithGesture();
    ASSERT_TRUE(test);
    HWND canvas = FindControlByName(test, "picHome");
    POINT from{100, 100}, to{300, 100};
    ClientToScreen(canvas, &from);
    ClientToScreen(canvas, &to);
    Drag(from, to, 1);
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(canvas, 200, 100) == RGB(0, 0, 255); }));

    HWND check = OpenCheck(test);
    ASSERT_TRUE(check);
    EXPECT_TRUE(HoldTargets(check, 1, 1, 0, 0));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForWindowGone(check)) << "Esc ends the check";
    CheckTheTestIsAsItWas(driver, test);

    check = OpenCheck(test);
    ASSERT_TRUE(check);
    auto opened = std::chrono::steady_clock::now();
    EXPECT_TRUE(WaitForWindowGone(check, 30000)) << "twenty seconds without a touch end the check";
    EXPECT_TRUE(std::chrono::steady_clock::now() - opened >= std::chrono::seconds(19))
        << "and not before";
    CheckTheTestIsAsItWas(driver, test);
}

TEST_F(AccuracyCheck, ATouchCutOffIsAskedForAgainAndNoButtonHeldLeavesThePointerFree) {
    ASSERT_TRUE(Start(UserButtonMode));
    HWND test = OpenWithGesture();
    ASSERT_TRUE(test);
    HWND check = OpenCheck(test);
    ASSERT_TRUE(check);
    // a finger down on the target, then what cuts the hold off; the release never ends it
    auto cutOff = [&](int number, const std::function<void()>& takeAway) {
        POINT at = TargetAt(number);
        DragPointerTo(at);
        ButtonAt(MOUSEEVENTF_LEFTDOWN, at);
        EXPECT_TRUE(WaitUntil([&] { return CaptureOf(check) == check; }))
            << "the check keeps the pointer while the finger is down";
        takeAway();
        EXPECT_TRUE(WaitUntil([&] {
            return TextOf(check, "lblInstruction") ==
                   "That touch was interrupted. Touch and hold the centre of the cross";
        })) << "target "
            << number << " is asked for again";
        EXPECT_TRUE(CaptureOf(check) == nullptr) << "the pointer is given back";
        ButtonAt(MOUSEEVENTF_LEFTUP, at);
        EXPECT_EQ(TextOf(check, "lblProgress"), "Target " + std::to_string(number) + " of 9");
    };
    // a box coming up mid-hold: Windows sends the window WM_CANCELMODE
    cutOff(1, [&] { PostMessageA(check, WM_CANCELMODE, 0, 0); });
    ASSERT_TRUE(HoldTargets(check, 1, 1, 3, 4));
    // another window taking the foreground
    cutOff(2, [&] { EXPECT_TRUE(BringForward(test)); });
    ASSERT_TRUE(BringForward(check));
    // the last hold with the right button joining: released after the left, it ends no hold
    ASSERT_TRUE(HoldTargets(check, 2, 9, 3, 4, true));
    EXPECT_TRUE(WaitUntil([&] { return CaptureOf(check) == nullptr; }))
        << "no button held, no capture";
    EXPECT_EQ(TextOf(check, "lblMeanError"), "Mean error: 5.0 px")
        << "nothing of the holds cut off is counted";
    EXPECT_TRUE(PressUntil(FindControlByName(check, "cmdAgain"), [&] {
        return TextOf(check, "lblProgress") == "Target 1 of 9";
    })) << "the result's buttons take clicks";
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForWindowGone(check));
}

TEST_F(AccuracyCheck, TheReportGoesWhereTheSaveDialogProposesInADocumentsFolderOfAnyScript) {
    DocumentsMoved documents;
    ASSERT_TRUE(Start(UserButtonMode));
    HWND test = OpenWithGesture();
    ASSERT_TRUE(test);
    HWND check = OpenCheck(test);
    ASSERT_TRUE(check);
    ASSERT_TRUE(HoldTargets(check, 1, 9, 3, 4));
    HWND dialog = nullptr;
    ASSERT_TRUE(PressUntil(FindControlByName(check, "cmdSave"), [&] {
        return (dialog = FindTopWindow(kSaveTitle)) != nullptr;
    })) << "Save Report opens the Save dialog";
    std::string offered = FileNameInDialog(dialog);
    ASSERT_EQ(offered.rfind("Accuracy check 20", 0), 0u) << offered;
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    std::wstring saved = documents.folder + L"\\" + std::wstring(offered.begin(), offered.end());
    EXPECT_TRUE(WaitUntil([&] {
        return GetFileAttributesW(saved.c_str()) != INVALID_FILE_ATTRIBUTES;
    })) << "the report is in the moved Documents folder";
    EXPECT_TRUE(WaitForWindowGone(dialog));
    const char heading[] = "TouchScreen Accuracy Check\r\n";
    char start[sizeof heading] = {};
    if (FILE* file = _wfopen(saved.c_str(), L"rb")) {
        fread(start, 1, sizeof heading - 1, file);
        fclose(file);
    }
    EXPECT_STREQ(start, heading);
    EXPECT_TRUE(PressUntil(FindControlByName(check, "cmdClose"), [&] { return !IsWindow(check); }));
}
