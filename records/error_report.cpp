#include "records/error_report.h"

#include <cstdlib>
#include <string>

#include "display/text.h"

void ReportError(int number) {
  PrintText("Fehler Nr.: ", false);
  // The number stands behind a sign position: a space, or a minus sign.
  std::string digits(1, number < 0 ? '-' : ' ');
  digits.append(std::to_string(std::llabs(static_cast<long long>(number))));
  PrintText(digits, true);
  std::string request = "Bitte senden Sie die Fehlernummer an \"";
  request.append(ContactAddress).append("\", danke...");
  PrintText(request, true);
}
