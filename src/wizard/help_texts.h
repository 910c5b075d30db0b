// The help page's own texts, in French.
#pragma once

#include <string>

namespace zebo {

// The whole help text: seven fields separated by the character 0xB6, lines by "\r\n".
std::string HelpText();
// Field `number` of the help text, counted from 1; empty when there is no such field.
std::string HelpField(int number);
// The licence shown after the description page's help; "%1" stands for the program's name.
std::string LicenceText();
// Two line feeds and the notice about the program's maker, ending every help text.
std::string AboutLine();

}  // namespace zebo
