#pragma once
// The virtual key codes the windows react to, whatever the window system.

namespace gyrelune {

enum VirtualKey : int {
    vkBack = 8,
    vkReturn = 13,
    vkShift = 16,
    vkControl = 17,
    vkMenu = 18, // Alt
};

} // namespace gyrelune
