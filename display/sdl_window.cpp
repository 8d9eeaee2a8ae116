// The SDL2 window. All SDL work happens on the window's own thread: video initialisation,
// the window, the renderer, the streaming texture and the event loop. The game's thread
// only wakes it when a page is to be shown.
#include "display/sdl_window.h"

#include <SDL.h>

#include <atomic>
#include <cstring>
#include <future>
#include <string_view>
#include <thread>

#include "display/cp437.h"
#include "display/key_queue.h"

namespace {

// Extended codes of keys that give no character, in the PC keyboard convention.
struct ExtendedKey {
  SDL_Keycode key;
  int code;
};
constexpr ExtendedKey kExtendedKeys[] = {
    {SDLK_UP, 'H'},     {SDLK_DOWN, 'P'},   {SDLK_LEFT, 'K'},   {SDLK_RIGHT, 'M'},
    {SDLK_HOME, 'G'},   {SDLK_END, 'O'},    {SDLK_PAGEUP, 'I'}, {SDLK_PAGEDOWN, 'Q'},
    {SDLK_INSERT, 'R'}, {SDLK_DELETE, 'S'}, {SDLK_F1, 59},      {SDLK_F2, 60},
    {SDLK_F3, 61},      {SDLK_F4, 62},      {SDLK_F5, 63},      {SDLK_F6, 64},
    {SDLK_F7, 65},      {SDLK_F8, 66},      {SDLK_F9, 67},      {SDLK_F10, 68},
    {SDLK_F11, 133},    {SDLK_F12, 134},
};

// Keys that give a control character.
struct ControlKey {
  SDL_Keycode key;
  int code;
};
constexpr ControlKey kControlKeys[] = {
    {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9}, {SDLK_ESCAPE, 27},
};

// The key code a key press adds, or 0 when it adds nothing here (characters arrive as text
// input, modifier keys alone give nothing).
int KeyDownCode(const SDL_Keysym& keysym) {
  const bool alt = keysym.mod & KMOD_ALT;
  const bool ctrl = keysym.mod & KMOD_CTRL;
  if (alt && keysym.sym == SDLK_F4) return CloseRequest;
  for (const ControlKey& k : kControlKeys) {
    if (k.key == keysym.sym) return k.code;
  }
  if (ctrl && !alt && keysym.sym >= SDLK_a && keysym.sym <= SDLK_z) return keysym.sym - SDLK_a + 1;
  for (const ExtendedKey& k : kExtendedKeys) {
    if (k.key == keysym.sym) return NonCharacterKey + k.code;
  }
  return 0;
}

class SdlWindow final : public WindowBackend {
 public:
  ~SdlWindow() override { Close(); }

  bool Open(const std::string& title) override {
    std::promise<bool> opened;
    std::future<bool> result = opened.get_future();
    quit_ = false;
    thread_ = std::thread([this, title, &opened] { Run(title, opened); });
    if (result.get()) return true;
    thread_.join();
    return false;
  }

  void Close() override {
    if (!thread_.joinable()) return;
    quit_ = true;
    Wake();
    thread_.join();
  }

  void ShowVisiblePage() override {
    dirty_ = true;
    Wake();
  }

  double RefreshRate() override { return refresh_rate_; }

 private:
  void Wake() {
    SDL_Event event{};
    event.type = wake_event_;
    SDL_PushEvent(&event);
  }

  void Run(const std::string& title, std::promise<bool>& opened) {
    // The game handles termination signals itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A 300 x 300 picture needs no graphics driver: the window's own X11 framebuffer
    // serves the software renderer.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
      opened.set_value(false);
      return;
    }
    // Without a display, SDL falls back to drivers that show nothing; those count as none.
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool real_display =
        driver && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0);
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    if (real_display) {
      window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                PageWidth, PageHeight, SDL_WINDOW_SHOWN);
    }
    if (window) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    // XRGB: the top byte of a colour is never shown.
    if (renderer) {
      texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                  PageWidth, PageHeight);
    }
    if (!texture) {
      if (renderer) SDL_DestroyRenderer(renderer);
      if (window) SDL_DestroyWindow(window);
      SDL_Quit();
      opened.set_value(false);
      return;
    }
    SDL_DisplayMode mode{};
    if (SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(window), &mode) == 0) {
      refresh_rate_ = mode.refresh_rate;
    }
    wake_event_ = SDL_RegisterEvents(1);
    SDL_StartTextInput();
    opened.set_value(true);

    Present(renderer, texture);
    while (!quit_) {
      SDL_Event event;
      if (SDL_WaitEventTimeout(&event, 500)) {
        bool repaint = Handle(event);
        while (SDL_PollEvent(&event)) repaint |= Handle(event);
        if (repaint) dirty_ = true;
      }
      if (dirty_.exchange(false)) Present(renderer, texture);
    }
    SDL_StopTextInput();
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
  }

  // Handles one event; returns true when the window must be painted again.
  bool Handle(const SDL_Event& event) {
    switch (event.type) {
      case SDL_TEXTINPUT:
        for (char code : Utf8ToCp437(event.text.text)) PushKey(static_cast<unsigned char>(code));
        return false;
      case SDL_KEYDOWN:
        if (const int code = KeyDownCode(event.key.keysym)) PushKey(code);
        return false;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) PushKey(CloseRequest);
        return event.window.event == SDL_WINDOWEVENT_EXPOSED ||
               event.window.event == SDL_WINDOWEVENT_SHOWN ||
               event.window.event == SDL_WINDOWEVENT_RESTORED;
      default:
        return false;
    }
  }

  void Present(SDL_Renderer* renderer, SDL_Texture* texture) {
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture, nullptr, &pixels, &pitch) == 0) {
      ReadVisiblePage([&](const Colour* page) {
        for (int y = 0; y < PageHeight; ++y) {
          std::memcpy(static_cast<char*>(pixels) + y * pitch, page + y * PageWidth,
                      PageWidth * sizeof(Colour));
        }
      });
      SDL_UnlockTexture(texture);
    }
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
  }

  std::thread thread_;
  std::atomic<bool> quit_{false};
  std::atomic<bool> dirty_{false};
  std::atomic<double> refresh_rate_{0};
  std::atomic<Uint32> wake_event_{SDL_USEREVENT};
};

}  // namespace

std::unique_ptr<WindowBackend> MakeSdlWindow() {
  return std::make_unique<SdlWindow>();
}
