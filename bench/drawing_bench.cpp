// Drawing speed on the headless window: a full board drawn and copied, one blended mark,
// and a plain memcpy of the same bytes as the ceiling. Rates are pixels per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "display/bitmap_loader.h"
#include "display/headless_window.h"
#include "display/images.h"
#include "display/pages.h"
#include "display/screen_drawing.h"
#include "game/game_state.h"

namespace {

void LoadGameImages() {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  UseHeadlessWindow();
  OpenWindow(300, 300, 32, 2, true, 0);
  SelectPages(1, 0);
  const std::string dir = ZW_ASSETS_DIR;
  const struct {
    ImageHandle* image;
    int side;
    const char* name;
  } files[] = {{&Game.ImgBG, 300, "/BG.BMP"},
               {&Game.ImgKreuz, 90, "/Kreuz.BMP"},
               {&Game.ImgKreis, 90, "/Kreis.BMP"},
               {&Game.ImgKreuzHell, 90, "/KreuzHell.BMP"},
               {&Game.ImgKreisHell, 90, "/KreisHell.BMP"}};
  for (const auto& file : files) {
    *file.image = CreateImage(file.side, file.side);
    LoadBitmap(dir + file.name, *file.image);
  }
}

void BM_DrawBoardAndCopyPage(benchmark::State& state) {
  LoadGameImages();
  const std::uint8_t full[3][3] = {{3, 2, 1}, {3, 1, 2}, {3, 4, 4}};
  std::memcpy(Game.Board, full, sizeof full);
  for (auto _ : state) {
    DrawBoard();
    CopyPage();
  }
  state.SetItemsProcessed(state.iterations() * PageWidth * PageHeight);
}
BENCHMARK(BM_DrawBoardAndCopyPage);

void BM_AlphaModeMark(benchmark::State& state) {
  LoadGameImages();
  for (auto _ : state) PutImage(100, 110, Game.ImgKreuz, AlphaMode, 150);
  state.SetItemsProcessed(state.iterations() * 90 * 90);
}
BENCHMARK(BM_AlphaModeMark);

void BM_MemcpyPage(benchmark::State& state) {
  const std::size_t pixels = static_cast<std::size_t>(state.range(0));
  std::vector<Colour> from(pixels, 1), to(pixels);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), pixels * sizeof(Colour));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pixels));
}
BENCHMARK(BM_MemcpyPage)->Arg(300 * 300)->Arg(90 * 90);

}  // namespace

BENCHMARK_MAIN();
