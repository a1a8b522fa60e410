// The file a fuzz target hands to code that reads from a path: one per
// fuzzing process, rewritten with every input and removed at exit.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

const QString& fuzzInputPath();
void writeFuzzInput(const uint8_t* data, size_t size);
