// Identifiers of the program's resources, shared by corvanta.rc and the code that loads them.
#pragma once

#define IDI_CORVANTA 1  // the program icon (group of 128, 64, 48, 32 and 16 px images)
