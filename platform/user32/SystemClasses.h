// The window classes every process has from the start (BUTTON, the dialog class "#32770",
// the popup menu class "#32768", MDICLIENT). They are registered as global classes when the class
// registry is first used.
#pragma once

class ClassRegistry;

class SystemClasses {
 public:
  static void RegisterAll(ClassRegistry& registry);
};
