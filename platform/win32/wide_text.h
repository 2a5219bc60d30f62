// UTF-8 and the system's UTF-16 wide strings, for the wide-path calls.
#ifndef WIDE_TEXT_H
#define WIDE_TEXT_H

#include <string>

namespace plat {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

}  // namespace plat

#endif
