#pragma once

#include <QString>

namespace vantorel {

// Plays a wave sound of the program's resources once, doing nothing where the machine has no sound device.
void PlayWave(const QString& resource);

} // namespace vantorel
