#pragma once
// Resource numbers shared by the .rc script and the code that loads them.

#define TELLUX_IDI_CLOCK 1
