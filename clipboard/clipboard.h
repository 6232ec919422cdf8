// Copies the shown value to the clipboard as bare digits and types the
// leading hexadecimal characters of clipboard text as digits.
#pragma once

void CopyToClipboard();
void PasteFromClipboard();
