// The report of a failed checked step: "Fehler Nr.: ", the number, and a request to send
// it to the contact address, printed at the text cursor (or to standard output while no
// window is open). The run then goes on with the next step.
#pragma once

inline constexpr const char* ContactAddress = "fehler@zwickelspiel.example";

// Prints the report for error number `number`.
void ReportError(int number);

// Reports `result` when it is not 0.
inline void CheckStep(int result) {
  if (result != 0) ReportError(result);
}
