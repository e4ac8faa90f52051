#pragma once
// The program's icon: a plain clock face drawn with QPainter at start-up, at
// 16, 32, 48 and 64 pixels. Needs a QGuiApplication.

#include <QIcon>

namespace tellux {

QIcon ClockIcon();

}  // namespace tellux
