// Case mapping through ICU's simple (one-to-one) Unicode mappings, one UTF-16 code unit at a
// time, so that a text keeps its length and positions stay valid after mapping.
#include <unicode/uchar.h>

#include "toolz/text.h"

namespace sigillo {

namespace {

// A surrogate maps to itself; a mapping that left the BMP would change the length, so it is
// not taken (there is none in current Unicode, but the tables may grow).
template <typename Map>
Text MapUnits(TextView text, Map map) {
  Text result(text);
  for (char16_t& unit : result) {
    const UChar32 mapped = map(static_cast<UChar32>(unit));
    if (mapped >= 0 && mapped <= 0xFFFF) unit = static_cast<char16_t>(mapped);
  }
  return result;
}

}  // namespace

Text UpperText(TextView text) {
  return MapUnits(text, [](UChar32 c) { return u_toupper(c); });
}

Text LowerText(TextView text) {
  return MapUnits(text, [](UChar32 c) { return u_tolower(c); });
}

}  // namespace sigillo
