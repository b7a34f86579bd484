// The form descriptions of app/forms, compiled into the program.
#pragma once

#include <string_view>

extern const std::string_view kMainFormText;
extern const std::string_view kOstrzezenieFormText;
