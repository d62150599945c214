#pragma once

#include <QPixmap>

namespace vantorel {

// A football drawn at a size, rotated by one of six steps: the pictures of the splash window and the six
// frames of the about box's rolling ball.
QPixmap BallPicture(int size, int frame);

inline constexpr int kBallFrames = 6;

} // namespace vantorel
