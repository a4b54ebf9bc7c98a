// The about box: maker line, web and mail links.
#include <windows.h>
#include <shellapi.h>

#include "settings/config_dialog.h"
#include "settings/dialog_ids.h"
#include "settings/maker.h"
#include "settings/ui_text_win.h"

INT_PTR CALLBACK AboutDialogProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetUiWindowText(box, UiString(StrAboutTitle));
        SetDlgItemUiText(box, IDC_MAKER_LINE, UiString(StrMakerLine));
        return 1;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            EndDialog(box, LOWORD(wParam));
            return 1;
        case IDC_MAKER_WEB:
            ShellExecuteA(box, "open", MAKER_WEB_LINK, nullptr, nullptr, SW_SHOWNORMAL);
            return 0;
        case IDC_MAKER_MAIL:
            ShellExecuteA(box, "open", "mailto:" MAKER_MAIL_ADDRESS "?Subject=\"" PRODUCT_NAME_VERSION "\"", nullptr,
                          nullptr, SW_SHOWNORMAL);
            return 0;
        default:
            return 0;
        }
    default:
        return 0;
    }
}
