// setup_driver: drives the installer's dialogs from outside, as a user would, by window
// messages. Steps run in the order given; the first failing step ends the run with exit
// code 1 and a line on stderr. Texts, in the arguments and in the files written, are UTF-8
// and read from the windows in UTF-16, so they are what the user sees whatever the
// system's code page.
//
//   dialog CONTROL_ID SECONDS      wait for a visible installer dialog that has the control
//   dialog-text TEXT SECONDS       wait for a visible dialog that shows TEXT (a folder browser)
//   tree-first                     in the dialog's tree, select the first entry below the top
//   texts FILE                     write the dialog's caption (id 0) and every control's
//                                  text as "id<TAB>text" lines (line breaks written as
//                                  \n and \r)
//   set-text ID TEXT               replace a control's text
//   select ID INDEX                pick a combo box entry as the user does
//   click ID                       press a button (or send the dialog's command ID)
//   enter                          press the Enter key in the dialog (no button focused)
//   rect ID FILE                   write a control's screen rectangle "left top right
//                                  bottom" (ID 0: the dialog's client area)
//   wait-text ID TEXT SECONDS      wait until a control shows TEXT
//   message FILE BUTTON SECONDS    wait for a "Selenarium 3D" message box, write its text,
//                                  default button and whether it has an icon, press BUTTON
//   wait-message SECONDS           wait for a "Selenarium 3D" message box, leave it open
//   no-message SECONDS             fail when a message box appears within SECONDS
//   stamp FILE LABEL               append "LABEL<TAB>milliseconds" (a steady clock) to FILE
//   gone SECONDS                   wait until the dialog has closed
//   code-page FILE                 write the system's ANSI code page
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

HWND gDialog;

std::string Utf8(const wchar_t* text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return std::string();
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
  out.resize(static_cast<size_t>(size - 1));
  return out;
}

std::wstring Wide(const char* utf8) {
  int size = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  if (size <= 1) return std::wstring();
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &out[0], size);
  out.resize(static_cast<size_t>(size - 1));
  return out;
}

// A window's own text in UTF-8. WM_GETTEXT works across processes for any window,
// unlike GetWindowText.
std::string RawText(HWND window) {
  wchar_t text[1024] = {};
  SendMessageW(window, WM_GETTEXT, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(text));
  return Utf8(text);
}

struct Search {
  int controlId;      // a dialog with this control, or 0 for a message box
  HWND found;
  const char* text;   // or, when set, a dialog with a child showing this text
};

BOOL CALLBACK FindChildText(HWND child, LPARAM parameter) {
  Search* search = reinterpret_cast<Search*>(parameter);
  if (RawText(child) != search->text) return TRUE;
  search->found = child;
  return FALSE;
}

bool ShowsText(HWND window, const char* text) {
  Search search = {0, nullptr, text};
  EnumChildWindows(window, FindChildText, reinterpret_cast<LPARAM>(&search));
  return search.found != nullptr;
}

BOOL CALLBACK FindTreeView(HWND child, LPARAM parameter) {
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  if (_stricmp(className, WC_TREEVIEWA) != 0) return TRUE;
  *reinterpret_cast<HWND*>(parameter) = child;
  return FALSE;
}

bool IsMessageBox(HWND window) {
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  return std::strcmp(title, "Selenarium 3D") == 0 && !GetDlgItem(window, 1014) &&
         !GetDlgItem(window, 1025);
}

BOOL CALLBACK FindTopWindow(HWND window, LPARAM parameter) {
  Search* search = reinterpret_cast<Search*>(parameter);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  bool match = search->text        ? ShowsText(window, search->text)
               : search->controlId ? GetDlgItem(window, search->controlId) != nullptr
                                   : IsMessageBox(window);
  if (!match) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindDialog(int controlId, const char* text = nullptr) {
  Search search = {controlId, nullptr, text};
  EnumWindows(FindTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

template <typename Condition>
bool WaitFor(double seconds, Condition condition) {
  DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  while (!condition()) {
    if (static_cast<LONG>(GetTickCount() - deadline) > 0) return false;
    Sleep(5);
  }
  return true;
}

// The caption of a top-level window as its title bar shows it. GetWindowTextW reads it from
// the window itself; WM_GETTEXT would pass it through the ANSI procedure of a dialog made
// by DialogBoxParamA.
std::string CaptionText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, sizeof text / sizeof text[0]);
  return Utf8(text);
}

// A text with line feeds and carriage returns written as \n and \r, so every text stays
// on one line of the driver's files.
std::string OneLine(const std::string& text) {
  std::string shown;
  for (const char* c = text.c_str(); *c; ++c) {
    if (*c == '\n') shown += "\\n";
    else if (*c == '\r') shown += "\\r";
    else shown += *c;
  }
  return shown;
}

BOOL CALLBACK WriteChildText(HWND child, LPARAM parameter) {
  std::FILE* out = reinterpret_cast<std::FILE*>(parameter);
  if (GetParent(child) != gDialog) return TRUE;
  std::fprintf(out, "%d\t%s\n", GetDlgCtrlID(child), OneLine(RawText(child)).c_str());
  return TRUE;
}

// The text of a message box (the static control that is not the icon) and whether it
// shows an icon. Which icon cannot be told from another process, nor is the topmost
// flag visible under Wine, so neither is reported.
struct MessageParts {
  std::string text;
  bool icon = false;
  int defaultButton = 0;  // the button drawn as the default one
};

BOOL CALLBACK ReadMessagePart(HWND child, LPARAM parameter) {
  MessageParts* parts = reinterpret_cast<MessageParts*>(parameter);
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  if (_stricmp(className, "Button") == 0) {
    if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      parts->defaultButton = GetDlgCtrlID(child);
    return TRUE;
  }
  if (_stricmp(className, "Static") != 0) return TRUE;
  if (SendMessageA(child, STM_GETICON, 0, 0)) {
    parts->icon = true;
    return TRUE;
  }
  std::string text = OneLine(RawText(child));
  if (text.size() > parts->text.size()) parts->text = text;
  return TRUE;
}

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool Fail(const char* step, const char* why) {
  std::fprintf(stderr, "setup_driver: %s: %s\n", step, why);
  return false;
}

bool NeedDialog(const char* step) {
  if (gDialog && IsWindow(gDialog)) return true;
  return Fail(step, "no dialog");
}

bool WriteMessage(HWND box, const char* path) {
  MessageParts parts;
  EnumChildWindows(box, ReadMessagePart, reinterpret_cast<LPARAM>(&parts));
  std::FILE* out = std::fopen(path, "wb");
  if (!out) return false;
  std::fprintf(out, "text\t%s\ndefault\t%d\nicon\t%d\n", parts.text.c_str(),
               parts.defaultButton, parts.icon ? 1 : 0);
  std::fclose(out);
  return true;
}

// Runs one step starting at argv[i]; advances i past it.
bool RunStep(int argc, char** argv, int& i) {
  std::string step = argv[i++];
  auto arg = [&](int k) -> const char* { return i + k < argc ? argv[i + k] : nullptr; };
  auto need = [&](int count) {
    for (int k = 0; k < count; ++k)
      if (!arg(k)) return false;
    return true;
  };
  if (step == "dialog" && need(2)) {
    int id = std::atoi(arg(0));
    double seconds = std::atof(arg(1));
    i += 2;
    if (!WaitFor(seconds, [&] { return (gDialog = FindDialog(id)) != nullptr; }))
      return Fail("dialog", "did not appear");
    return true;
  }
  if (step == "dialog-text" && need(2)) {
    const char* text = arg(0);
    double seconds = std::atof(arg(1));
    i += 2;
    if (!WaitFor(seconds, [&] { return (gDialog = FindDialog(0, text)) != nullptr; }))
      return Fail("dialog-text", "did not appear");
    return true;
  }
  if (step == "tree-first") {
    if (!NeedDialog("tree-first")) return false;
    HWND tree = nullptr;
    EnumChildWindows(gDialog, FindTreeView, reinterpret_cast<LPARAM>(&tree));
    if (!tree) return Fail("tree-first", "no tree");
    HTREEITEM top = nullptr, first = nullptr;
    // The entries below the top appear once it is expanded, which may take a moment.
    WaitFor(10, [&] {
      top = TreeView_GetRoot(tree);
      if (top) TreeView_Expand(tree, top, TVE_EXPAND);
      first = top ? TreeView_GetChild(tree, top) : nullptr;
      return first != nullptr;
    });
    if (!first) return Fail("tree-first", "nothing below the top entry");
    TreeView_SelectItem(tree, first);
    return true;
  }
  if (step == "texts" && need(1)) {
    const char* path = arg(0);
    i += 1;
    if (!NeedDialog("texts")) return false;
    std::FILE* out = std::fopen(path, "wb");
    if (!out) return Fail("texts", "cannot write the file");
    std::fprintf(out, "0\t%s\n", OneLine(CaptionText(gDialog)).c_str());
    EnumChildWindows(gDialog, WriteChildText, reinterpret_cast<LPARAM>(out));
    std::fclose(out);
    return true;
  }
  if (step == "set-text" && need(2)) {
    int id = std::atoi(arg(0));
    const char* text = arg(1);
    i += 2;
    if (!NeedDialog("set-text")) return false;
    std::wstring wide = Wide(text);
    SendDlgItemMessageW(gDialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return true;
  }
  if (step == "select" && need(2)) {
    int id = std::atoi(arg(0));
    int index = std::atoi(arg(1));
    i += 2;
    if (!NeedDialog("select")) return false;
    HWND box = GetDlgItem(gDialog, id);
    SendMessageA(box, CB_SETCURSEL, index, 0);
    SendMessageA(gDialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    return true;
  }
  if (step == "click" && need(1)) {
    int id = std::atoi(arg(0));
    i += 1;
    if (!NeedDialog("click")) return false;
    PressButton(gDialog, id);
    return true;
  }
  if (step == "rect" && need(2)) {
    int id = std::atoi(arg(0));
    const char* path = arg(1);
    i += 2;
    if (!NeedDialog("rect")) return false;
    RECT r;
    if (id == 0) {
      GetClientRect(gDialog, &r);
      MapWindowPoints(gDialog, nullptr, reinterpret_cast<POINT*>(&r), 2);
    } else if (!GetWindowRect(GetDlgItem(gDialog, id), &r)) {
      return Fail("rect", "no such control");
    }
    std::FILE* out = std::fopen(path, "wb");
    if (!out) return Fail("rect", "cannot write the file");
    std::fprintf(out, "%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    std::fclose(out);
    return true;
  }
  if (step == "enter") {
    if (!NeedDialog("enter")) return false;
    // Into the dialog window itself, where no button has the focus: the dialog's message
    // loop turns Enter into its default command (1).
    PostMessageA(gDialog, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(gDialog, WM_KEYUP, VK_RETURN, 0xC0000001);
    return true;
  }
  if (step == "wait-text" && need(3)) {
    int id = std::atoi(arg(0));
    std::string text = arg(1);
    double seconds = std::atof(arg(2));
    i += 3;
    if (!NeedDialog("wait-text")) return false;
    if (!WaitFor(seconds, [&] { return OneLine(RawText(GetDlgItem(gDialog, id))) == text; }))
      return Fail("wait-text", "text did not appear");
    return true;
  }
  if (step == "message" && need(3)) {
    const char* path = arg(0);
    int button = std::atoi(arg(1));
    double seconds = std::atof(arg(2));
    i += 3;
    HWND box = nullptr;
    if (!WaitFor(seconds, [&] { return (box = FindDialog(0)) != nullptr; }))
      return Fail("message", "no message box appeared");
    Sleep(100);  // let the box finish setting itself up
    if (!WriteMessage(box, path)) return Fail("message", "cannot write the file");
    PressButton(box, button);
    if (!WaitFor(10, [&] { return !IsWindow(box) || !IsWindowVisible(box); }))
      return Fail("message", "the box did not close");
    return true;
  }
  if (step == "wait-message" && need(1)) {
    double seconds = std::atof(arg(0));
    i += 1;
    if (!WaitFor(seconds, [&] { return FindDialog(0) != nullptr; }))
      return Fail("wait-message", "no message box appeared");
    return true;
  }
  if (step == "stamp" && need(2)) {
    const char* path = arg(0);
    const char* label = arg(1);
    i += 2;
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    std::FILE* out = std::fopen(path, "ab");
    if (!out) return Fail("stamp", "cannot write the file");
    std::fprintf(out, "%s\t%.1f\n", label, now.QuadPart * 1000.0 / frequency.QuadPart);
    std::fclose(out);
    return true;
  }
  if (step == "no-message" && need(1)) {
    double seconds = std::atof(arg(0));
    i += 1;
    if (WaitFor(seconds, [&] { return FindDialog(0) != nullptr; }))
      return Fail("no-message", "a message box appeared");
    return true;
  }
  if (step == "gone" && need(1)) {
    double seconds = std::atof(arg(0));
    i += 1;
    HWND dialog = gDialog;
    if (!WaitFor(seconds, [&] { return !IsWindow(dialog); })) return Fail("gone", "still open");
    return true;
  }
  if (step == "code-page" && need(1)) {
    const char* path = arg(0);
    i += 1;
    std::FILE* out = std::fopen(path, "wb");
    if (!out) return Fail("code-page", "cannot write the file");
    std::fprintf(out, "%u\n", GetACP());
    std::fclose(out);
    return true;
  }
  return Fail(step.c_str(), "unknown step or missing arguments");
}

}  // namespace

int main() {
  // The arguments in UTF-8: the C runtime's argv would hold them in the system's code page.
  int argc = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!wide) return 1;
  std::vector<std::string> args;
  for (int k = 0; k < argc; ++k) args.push_back(Utf8(wide[k]));
  LocalFree(wide);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(&a[0]);
  for (int i = 1; i < argc;) {
    if (!RunStep(argc, argv.data(), i)) return 1;
  }
  return 0;
}
