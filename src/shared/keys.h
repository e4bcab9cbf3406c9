#pragma once

// Keys arrive as Windows virtual-key codes. Every window of the game listens to the same five:
// A S D F G under the left hand and keypad 1..5 under the right.
namespace VirtualKey {
enum Code : int {
    A = 65,
    D = 68,
    F = 70,
    G = 71,
    S = 83,
    Keypad1 = 97,
    Keypad2 = 98,
    Keypad3 = 99,
    Keypad4 = 100,
    Keypad5 = 101,
};

// The place of a key among the five: A / keypad 1 is 1 … G / keypad 5 is 5; any other key is 0.
constexpr int position(int code) {
    switch (code) {
    case A: case Keypad1: return 1;
    case S: case Keypad2: return 2;
    case D: case Keypad3: return 3;
    case F: case Keypad4: return 4;
    case G: case Keypad5: return 5;
    default: return 0;
    }
}
} // namespace VirtualKey
