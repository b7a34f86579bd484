// The component classes a form description may name without a published field of its root to
// find them by: the framework's standard components, the control library's and the gallery's
// effect sample. The gallery's pages and formview read their descriptions with them.
#pragma once

// Registers them (again harmlessly).
void RegisterFormClasses();
