// What the dropped browser is started with. The page addresses come from the data server over
// plain HTTP, so a tampered link map must not be able to put switches on the browser's command
// line (some browsers take switches that start other programs) or reach cmd.exe through a batch
// file. An address that fails these checks is treated like one not resolved: the browser starts
// with an empty command line.
#pragma once

#include <string_view>

#include "text/text.h"

inline constexpr std::size_t MaxBrowserAddressLength = 2048;

// An absolute http or https address (scheme in any case) with a host, of printable ASCII without
// blank, double quote or backslash, at most MaxBrowserAddressLength bytes.
bool IsSafeBrowserAddress(std::string_view address);

// The argument in double quotes, escaped so that the Windows command-line parser
// (CommandLineToArgvW, the C runtime) gives back exactly this one argument. A GBK lead byte is
// kept together with its trail byte, so a trail byte 0x5C is not taken for a backslash.
Text QuoteCommandLineArgument(std::string_view argument);

// A batch or command file, which cmd.exe runs by re-parsing its command line. Windows ignores
// trailing dots and blanks in a file name, so "x.bat. " counts too.
bool IsBatchFile(std::string_view path);

// The parameters to hand the shell when it starts browserPath on address: the address as one
// quoted argument, or the empty text when the address is unsafe or the file is a batch file.
Text BrowserParameters(std::string_view browserPath, std::string_view address);
