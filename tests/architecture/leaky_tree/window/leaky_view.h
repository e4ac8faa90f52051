#pragma once
// A file that breaks the rule on purpose: the check must name each line.

#include <QWidget>
#include <unicode/unistr.h>
#include <windows.h>

#ifdef _WIN32
#include "platform/win32/win32_registry.h"
#endif
