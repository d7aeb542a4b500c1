#pragma once
// What happens when the X server reports an error on the program's windows,
// which, with nothing broken in the program, means that another client
// destroyed one of them.

namespace gxbase {

// Replaces Xlib's default report (a raw dump of the failed request) by one
// clear line on standard error; the program then ends with status 1, as it
// would by default. Only for the X11 video driver; no effect otherwise.
void InstallX11ErrorHandler();

}  // namespace gxbase
