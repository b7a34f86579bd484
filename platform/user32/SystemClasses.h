// The window classes every process has from the start (BUTTON, the message box's dialog
// class). They are registered as global classes when the class registry is first used.
#pragma once

class ClassRegistry;

class SystemClasses {
 public:
  static void RegisterAll(ClassRegistry& registry);
};
