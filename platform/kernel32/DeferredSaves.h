// Saves that a system library puts off until a moment the program does not choose: the
// message loop going to fetch the next message (user32 calls Run), another prefix being
// selected, and the process exiting. Each library registers one function, once; a function
// saves whatever its library has pending and returns at once when nothing is.
#pragma once

class DeferredSaves {
 public:
  using Save = void (*)();

  // Registers `save`, which runs at every later Run and at exit. Register after constructing
  // the statics `save` uses: exit then runs it before destroying them.
  static void Register(Save save);
  static void Run();
};
