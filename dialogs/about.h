// The modal About box: name, picture, version and two links that look and
// act like web links.
#pragma once

#include <windows.h>

const char WEB_SITE_ADDRESS[] = "https://ternwick.example/";
const char CONTACT_MAIL_ADDRESS[] = "ternwick@example.org";

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void UnderlineControlFont(HWND dialog, int controlId);
LRESULT CALLBACK WebLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MailLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Asks the shell to open an address; the program supplies it, so the About
// box itself never starts a browser in the tests.
void OpenShellAddress(const char* address);
