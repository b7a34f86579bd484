#include "KeyTranslation.h"

#include <cstring>

namespace {

bool Down(const KeyStates& keys, UINT vk) { return (keys[vk] & 0x80) != 0; }
bool Toggled(const KeyStates& keys, UINT vk) { return (keys[vk] & 0x01) != 0; }

struct Punctuation {
  UINT vk;
  char plain;
  char shifted;
};

constexpr Punctuation kPunctuation[] = {
    {VK_OEM_1, ';', ':'},      {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},
    {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},    {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},
    {VK_OEM_5, '\\', '|'},     {VK_OEM_6, ']', '}'},    {VK_OEM_7, '\'', '"'},
};

constexpr char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

std::optional<unsigned char> KeyTranslation::CharacterFor(UINT vk, const KeyStates& keys) {
  const bool shift = Down(keys, VK_SHIFT);
  const bool control = Down(keys, VK_CONTROL);
  if (vk >= 'A' && vk <= 'Z') {
    if (control) return static_cast<unsigned char>(vk - 'A' + 1);
    const bool upper = shift != Toggled(keys, VK_CAPITAL);
    return static_cast<unsigned char>(upper ? vk : vk + ('a' - 'A'));
  }
  if (control) return std::nullopt;
  if (vk >= '0' && vk <= '9') return static_cast<unsigned char>(shift ? kShiftedDigits[vk - '0'] : vk);
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
    if (!Toggled(keys, VK_NUMLOCK)) return std::nullopt;
    return static_cast<unsigned char>('0' + (vk - VK_NUMPAD0));
  }
  switch (vk) {
    case VK_SPACE:
      return ' ';
    case VK_RETURN:
      return '\r';
    case VK_TAB:
      return '\t';
    case VK_ESCAPE:
      return 27;
    case VK_BACK:
      return 8;
    case VK_MULTIPLY:
      return '*';
    case VK_ADD:
      return '+';
    case VK_SUBTRACT:
      return '-';
    case VK_DECIMAL:
      return '.';
    case VK_DIVIDE:
      return '/';
    default:
      break;
  }
  for (const Punctuation& p : kPunctuation) {
    if (p.vk == vk) return static_cast<unsigned char>(shift ? p.shifted : p.plain);
  }
  return std::nullopt;
}
