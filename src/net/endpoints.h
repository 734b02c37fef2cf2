#pragma once
// The data server: its address, fixed when the program is built, and the paths it serves.
#include <string>

// Scheme and host of the data server, without a trailing slash (e.g. "http://127.0.0.1").
// The program's own build defines it from the CMake cache variable CORVANTA_SERVER_BASE;
// test programs link their own definition that points at a scripted server.
const std::string& ServerBase();

inline constexpr char FeedPath[] = "/777.asp";          // the opportunity list
inline constexpr char LinkMapPath[] = "/999.txt";       // link name -> bookmaker page address
inline constexpr char HandicapNotesPath[] = "/user.asp?a=8";  // lines separated by '|'
inline constexpr char HomePath[] = "/";                 // opened in the browser, never fetched
