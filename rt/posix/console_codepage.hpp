#pragma once
// The code page of the POSIX console: how output bytes are shown and how typed
// characters arrive. 65001 passes bytes unchanged. Set by the command "chcp N".
namespace zemlar::posix {

int consoleCodePage();
void setConsoleCodePage(int codePage);
// Whether the command layer accepts the code page for chcp.
bool isKnownCodePage(int codePage);

}  // namespace zemlar::posix
