// The user interface as the program drives it: message boxes (the wizard window comes later).
#pragma once

#include <string>

namespace zebo {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Yes, No, Closed };

class Ui {
 public:
  virtual ~Ui() = default;
  // A modal message box; returns the button chosen.
  virtual MessageAnswer MessageBox(const std::string& title, const std::string& text,
                                   MessageButtons buttons, MessageIcon icon) = 0;
};

}  // namespace zebo
