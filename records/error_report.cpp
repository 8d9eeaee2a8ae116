#include "records/error_report.h"

#include <string>

#include "display/text.h"

void ReportError(int number) {
  PrintText("Fehler Nr.: ", false);
  // The number stands behind a sign position: a space, or a minus sign.
  PrintText((number < 0 ? "-" : " ") +
                std::to_string(number < 0 ? -static_cast<long long>(number) : number),
            true);
  PrintText(
      std::string("Bitte senden Sie die Fehlernummer an \"") + ContactAddress + "\", danke...",
      true);
}
