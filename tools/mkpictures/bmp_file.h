// Windows BMP encoding of an 8-bit picture: file header, 40-byte info header,
// 256-entry colour table, bottom-up rows padded to 4 bytes.
#ifndef MKPICTURES_BMP_FILE_H
#define MKPICTURES_BMP_FILE_H

#include <stdint.h>
#include <string>
#include <vector>

#include "image8.h"

std::vector<uint8_t> EncodeBmp(const Image8& image);
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

#endif
