#include "flow/start_and_end.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "display/bitmap_loader.h"
#include "display/images.h"
#include "display/key_queue.h"
#include "display/pages.h"
#include "display/screen_drawing.h"
#include "display/text.h"
#include "flow/game_loop.h"
#include "game/game_state.h"
#include "records/error_report.h"
#include "records/game_log.h"

namespace {

struct ImageFile {
  ImageHandle GameState::*image;
  int width;
  int height;
  const char* file_name;
};
constexpr ImageFile kImageFiles[] = {
    {&GameState::ImgBG, 300, 300, "BG.BMP"},
    {&GameState::ImgKreuz, 90, 90, "Kreuz.BMP"},
    {&GameState::ImgKreis, 90, 90, "Kreis.BMP"},
    {&GameState::ImgKreuzHell, 90, 90, "KreuzHell.BMP"},
    {&GameState::ImgKreisHell, 90, 90, "KreisHell.BMP"},
};

constexpr Colour kRed = 0x00FF0000;
constexpr Colour kWhite = 0x00FFFFFF;

volatile std::sig_atomic_t termination_requested = 0;

void OnTerminationSignal(int) {
  termination_requested = 1;
}

// Called by every key wait: a termination signal ends the run the way the close button
// does, from the game's own thread.
void EndRunIfSignalled() {
  if (termination_requested) EndImmediately();
}

void HandleTerminationSignals() {
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal_number : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal_number, &action, nullptr);
  SetWaitHook(EndRunIfSignalled);
}

}  // namespace

void StartUp() {
  // From here on every failed checked step is reported by ReportError.
  HandleTerminationSignals();
  CheckStep(OpenLog());
  SetWindowTitle("Zwickelspiel...");
  if (const int result = OpenWindow(300, 300, 32, 2, true, 0)) {
    ReportError(result);
    std::fputs("zwickelspiel: no display could be opened\n", stderr);
    EndProgram(1);
  }
  SelectPages(1, 0);
  ClearScreen();
  LogText("--- START ---");
  DrawLoadingText();
  ShowPage();
  LogText("GRAFIKEN WERDEN GELADEN...");
  for (const ImageFile& file : kImageFiles) Game.*file.image = CreateImage(file.width, file.height);
  for (const ImageFile& file : kImageFiles) CheckStep(LoadBitmap(file.file_name, Game.*file.image));
  SetTextColour(kRed);
  DrawStartScreen();
  ShowPage();
}

void RunGame() {
  StartUp();
  RunGameLoop();
}

void QuitGame() {
  SetTextColour(kWhite);
  LogText("--- ENDE ---");
  ShowStatistics();
  ShowPage();
  FlushLog();
  SleepUntilKey();
  for (const ImageFile& file : kImageFiles) FreeImage(Game.*file.image);
  EndProgram(0);
}

void EndImmediately() {
  EndProgram(0);
}

void EndProgram(int code) {
  CloseWindow();
  CloseLog();
  std::fflush(stdout);
  std::exit(code);
}
