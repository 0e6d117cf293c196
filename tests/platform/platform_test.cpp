// platform_test.cpp: the SDL layer on headless drivers: events, audio, clipboard and files.
#include "platform/platform.h"
#include "platform/virtual_keys.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// A real window on the headless drivers, receiving real SDL events.
struct EventTest : ::testing::Test {
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        ASSERT_TRUE(platformCreateWindow("events", 800, 600)) << platformLastError();
        // Whatever the system queued on creation is not under test.
        PlatformMessage ignored;
        while (platformWaitMessage(ignored, 0)) {
        }
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    void TearDown() override { platformDestroyWindow(); }

    static SDL_Event key(Uint32 type, SDL_Scancode scancode, Uint8 repeat = 0, SDL_Keycode keycode = SDLK_UNKNOWN)
    {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = keycode;
        event.key.repeat = repeat;
        return event;
    }
    static SDL_Event text(const char* typed)
    {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        SDL_strlcpy(event.text.text, typed, sizeof event.text.text);
        return event;
    }
    static SDL_Event button(Uint32 type, Uint8 which, int x = 1, int y = 2)
    {
        SDL_Event event{};
        event.type = type;
        event.button.button = which;
        event.button.x = x;
        event.button.y = y;
        return event;
    }
    static SDL_Event wheel(int y, Uint32 direction)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.y = y;
        event.wheel.direction = direction;
        event.wheel.mouseX = 30;
        event.wheel.mouseY = 40;
        return event;
    }
    // A finger at a fraction of the 800 x 600 window.
    static SDL_Event finger(Uint32 type, SDL_FingerID id, float x, float y)
    {
        SDL_Event event{};
        event.type = type;
        event.tfinger.touchId = 1;
        event.tfinger.fingerId = id;
        event.tfinger.x = x;
        event.tfinger.y = y;
        return event;
    }
    static SDL_Event windowEvent(Uint8 which)
    {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = which;
        return event;
    }

    // Pushes the events and answers the messages they became, one line each.
    static std::vector<std::string> convert(const std::vector<SDL_Event>& events)
    {
        for (SDL_Event event : events) {
            EXPECT_EQ(SDL_PushEvent(&event), 1);
        }
        std::vector<std::string> lines;
        PlatformMessage message;
        for (int attempt = 0; attempt < 64; ++attempt) {
            if (platformWaitMessage(message, 0)) {
                lines.push_back(describe(message));
            }
        }
        return lines;
    }

    static std::string describe(const PlatformMessage& message)
    {
        const std::string at = " @" + std::to_string(message.x) + "," + std::to_string(message.y);
        switch (message.kind) {
        case PlatformMessageKind::KeyDown:
        case PlatformMessageKind::KeyUp:
            return std::string(message.kind == PlatformMessageKind::KeyDown ? "keydown " : "keyup ") +
                   std::to_string(message.virtualKey) + (message.extended ? " ext" : "") +
                   (message.repeat ? " repeat" : "");
        case PlatformMessageKind::Char:
            return "char " + std::to_string(message.character) + (message.repeat ? " repeat" : "");
        case PlatformMessageKind::MouseMove: return "move" + at;
        case PlatformMessageKind::MouseDown: return "down " + std::to_string(message.button) + at;
        case PlatformMessageKind::MouseUp: return "up " + std::to_string(message.button) + at;
        case PlatformMessageKind::MouseWheel: return "wheel " + std::to_string(message.wheelDelta) + at;
        case PlatformMessageKind::Close: return "close";
        case PlatformMessageKind::Minimise: return "minimise";
        case PlatformMessageKind::Terminate: return "terminate";
        case PlatformMessageKind::Activate: return message.active ? "active" : "inactive";
        default: return "other";
        }
    }
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(EventTest, EventsBecomeTheWindowMessagesOfTheirKind)
{
    const struct {
        const char* what;
        std::vector<SDL_Event> events;
        Lines messages;
    } cases[] = {
        {"keys carry their virtual key, extended flag and repeat",
         {key(SDL_KEYDOWN, SDL_SCANCODE_KP_ENTER), key(SDL_KEYUP, SDL_SCANCODE_RETURN),
          key(SDL_KEYDOWN, SDL_SCANCODE_RCTRL, 1), key(SDL_KEYDOWN, SDL_SCANCODE_KP_7),
          key(SDL_KEYDOWN, SDL_SCANCODE_VOLUMEUP), key(SDL_KEYDOWN, SDL_SCANCODE_0),
          key(SDL_KEYDOWN, SDL_SCANCODE_W, 0, SDLK_z), key(SDL_KEYDOWN, SDL_SCANCODE_KBDILLUMUP)},
         {"keydown 13 ext", "keyup 13", "keydown 17 ext repeat", "keydown 103", "keydown 175 ext", "keydown 48",
          "keydown 90", "keydown " + std::to_string(vkWithoutValue + int32_t{SDL_SCANCODE_KBDILLUMUP})}},
        {"one character per byte, marked while its key repeats",
         {key(SDL_KEYDOWN, SDL_SCANCODE_A, 1), text("ab"), key(SDL_KEYDOWN, SDL_SCANCODE_E), text("\xc3\xa9")},
         {"keydown 65 repeat", "char 97 repeat", "char 98 repeat", "keydown 69", "char 195", "char 169"}},
        {"what is typed with the left Alt key is a shortcut; AltGr types",
         {key(SDL_KEYDOWN, SDL_SCANCODE_LALT), text("f"), key(SDL_KEYUP, SDL_SCANCODE_LALT), text("g"),
          key(SDL_KEYDOWN, SDL_SCANCODE_RALT), text("@")},
         {"keydown 18", "keyup 18", "char 103", "keydown 18 ext", "char 64"}},
        {"buttons: left, right, middle, the X buttons",
         {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT),
          button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE), button(SDL_MOUSEBUTTONUP, SDL_BUTTON_X1),
          button(SDL_MOUSEBUTTONUP, SDL_BUTTON_X2)},
         {"down 1 @1,2", "down 2 @1,2", "up 3 @1,2", "up 4 @1,2", "up 5 @1,2"}},
        {"the wheel counts notches away from the user and ignores sideways turns",
         {wheel(1, SDL_MOUSEWHEEL_NORMAL), wheel(0, SDL_MOUSEWHEEL_NORMAL), wheel(2, SDL_MOUSEWHEEL_FLIPPED)},
         {"wheel 120 @30,40", "wheel -240 @30,40"}},
        {"the close button is a close request, the system's quit a termination, focus activation",
         {windowEvent(SDL_WINDOWEVENT_CLOSE), windowEvent(SDL_WINDOWEVENT_FOCUS_LOST),
          windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), SDL_Event{SDL_QUIT}},
         {"close", "inactive", "active", "terminate"}},
        {"a tap is a left click where the finger went down, when it lifts; a second finger clicks nothing",
         {finger(SDL_FINGERDOWN, 7, 0.5f, 0.25f), finger(SDL_FINGERDOWN, 8, 0.1f, 0.1f),
          finger(SDL_FINGERMOTION, 7, 0.505f, 0.26f), finger(SDL_FINGERUP, 8, 0.1f, 0.1f),
          finger(SDL_FINGERUP, 7, 0.505f, 0.26f)},
         {"move @400,150", "down 1 @400,150", "up 1 @400,150"}},
        {"a finger that drags clicks nothing",
         {finger(SDL_FINGERDOWN, 7, 0.5f, 0.25f), finger(SDL_FINGERMOTION, 7, 0.6f, 0.25f),
          finger(SDL_FINGERMOTION, 7, 0.5f, 0.25f), finger(SDL_FINGERUP, 7, 0.5f, 0.25f)},
         {}},
        {"SDL's own mouse events made from a touch are not clicks",
         {[] {
              SDL_Event event = button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
              event.button.which = SDL_TOUCH_MOUSEID;
              return event;
          }(),
          [] {
              SDL_Event event{};
              event.type = SDL_MOUSEMOTION;
              event.motion.which = SDL_TOUCH_MOUSEID;
              return event;
          }()},
         {}},
        {"minimising and hiding are the same message",
         {windowEvent(SDL_WINDOWEVENT_MINIMIZED), windowEvent(SDL_WINDOWEVENT_HIDDEN)},
         {"minimise", "minimise"}},
    };
    for (const auto& [what, events, messages] : cases) {
        SCOPED_TRACE(what);
        EXPECT_EQ(convert(events), messages);
    }
}

// Letters are what the layout prints on the key; the digit row, keypad and other keys keep
// their places. The pairs are what SDL reports for those keys under each layout.
TEST(KeyboardLayouts, LettersFollowTheLayoutAndEveryOtherKeyItsPosition)
{
    struct Press {
        const char* layout;
        SDL_Scancode scancode;
        SDL_Keycode keycode;
        int32_t virtualKey;
    };
    const Press presses[] = {
        {"US", SDL_SCANCODE_Z, SDLK_z, 'Z'},
        {"US", SDL_SCANCODE_1, SDLK_1, '1'},
        {"AZERTY", SDL_SCANCODE_W, SDLK_z, 'Z'},       // undo on the key labelled Z
        {"AZERTY", SDL_SCANCODE_Z, SDLK_w, 'W'},
        {"AZERTY", SDL_SCANCODE_Q, SDLK_a, 'A'},       // Ctrl+A on the key labelled A
        {"AZERTY", SDL_SCANCODE_A, SDLK_q, 'Q'},
        {"AZERTY", SDL_SCANCODE_SEMICOLON, SDLK_m, 'M'},
        {"AZERTY", SDL_SCANCODE_M, SDLK_COMMA, vkComma},
        {"AZERTY", SDL_SCANCODE_1, SDLK_AMPERSAND, '1'}, // the digit row types & but is 1
        {"AZERTY", SDL_SCANCODE_2, 0xe9, '2'},          // é
        {"AZERTY", SDL_SCANCODE_9, 0xe7, '9'},          // ç
        {"QWERTZ", SDL_SCANCODE_Y, SDLK_z, 'Z'},
        {"QWERTZ", SDL_SCANCODE_Z, SDLK_y, 'Y'},
        {"QWERTZ", SDL_SCANCODE_MINUS, 0xdf, vkMinus},  // ß keeps its place
        {"QWERTZ", SDL_SCANCODE_KP_7, SDLK_KP_7, vkKeypad0 + 7},
    };
    for (const Press& press : presses) {
        int32_t virtualKey = 0;
        bool extended = true;
        platformKeyVirtualKey(press.scancode, press.keycode, virtualKey, extended);
        EXPECT_EQ(virtualKey, press.virtualKey) << press.layout << " scancode " << press.scancode;
        EXPECT_FALSE(extended);
    }
}

TEST_F(EventTest, EachTerminationSignalBecomesOneTerminateMessageEvenInAnEndlessWait)
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        std::raise(signal);
        EXPECT_EQ(convert({}), Lines{"terminate"}) << signal;
    }
    // A signal that arrives while the loop waits for ever for a message ends the wait.
    std::thread later([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::raise(SIGTERM);
    });
    PlatformMessage message;
    const bool taken = platformWaitMessage(message, kPlatformWaitForever);
    later.join();
    ASSERT_TRUE(taken);
    EXPECT_EQ(describe(message), "terminate");
}

// A finger held still is a right click as its moment passes, without a lift or any other event
// to end the wait; lifting it afterwards clicks nothing more.
TEST_F(EventTest, AFingerHeldStillIsARightClickWhileTheLoopWaits)
{
    EXPECT_EQ(convert({finger(SDL_FINGERDOWN, 3, 0.25f, 0.5f)}), Lines{});
    Lines lines;
    PlatformMessage message;
    for (int pass = 0; pass < 3 && platformWaitMessage(message, 5000); ++pass) {
        lines.push_back(describe(message));
    }
    EXPECT_EQ(lines, (Lines{"move @200,300", "down 2 @200,300", "up 2 @200,300"}));
    EXPECT_EQ(convert({finger(SDL_FINGERUP, 3, 0.25f, 0.5f)}), Lines{});
}

// At the cut, what waits is dropped but releases: a button pressed before it releases without a
// press, and a finger already down clicks nothing when it lifts afterwards.
TEST_F(EventTest, PressesWaitingAtTheCutAreDroppedButReleasesCount)
{
    for (SDL_Event event : {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20),
                            button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 20),
                            finger(SDL_FINGERDOWN, 4, 0.5f, 0.5f)}) {
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }
    platformDropWaitingPresses();
    EXPECT_EQ(convert({finger(SDL_FINGERUP, 4, 0.5f, 0.5f)}), (Lines{"up 1 @10,20"}));

    EXPECT_EQ(convert({finger(SDL_FINGERDOWN, 5, 0.5f, 0.5f)}), Lines{});
    platformDropWaitingPresses();
    EXPECT_EQ(convert({finger(SDL_FINGERUP, 5, 0.5f, 0.5f)}), Lines{});
    EXPECT_EQ(convert({finger(SDL_FINGERDOWN, 6, 0.5f, 0.5f), finger(SDL_FINGERUP, 6, 0.5f, 0.5f)}),
              (Lines{"move @400,300", "down 1 @400,300", "up 1 @400,300"}));
}

// The platform reports drawable pixels whatever the picture's size; the frame maps them back.
TEST_F(EventTest, PointerPositionsAreDrawablePixels)
{
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 960;
    motion.motion.y = 540;
    EXPECT_EQ(convert({motion, button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 240, 1079)}),
              (Lines{"move @960,540", "down 1 @240,1079"}));
}

TEST_F(EventTest, TheClipboardKeepsText)
{
    EXPECT_TRUE(platformSetClipboardText("12:34 pellix"));
    EXPECT_EQ(platformClipboardText(), "12:34 pellix");
    EXPECT_FALSE(platformSetClipboardText(nullptr));
}

// The mixer's stand-in: counts the frames the audio thread pulls and answers that nothing plays,
// after which the device may rest.
struct Pulled {
    std::mutex mutex;
    std::condition_variable called;
    int frames = 0;

    static bool fill(void* user, int16_t* samples, int frames)
    {
        auto* pulled = static_cast<Pulled*>(user);
        std::fill(samples, samples + 2 * frames, int16_t{0});
        std::lock_guard<std::mutex> lock(pulled->mutex);
        pulled->frames += frames;
        pulled->called.notify_all();
        return false;
    }
    int count()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return frames;
    }
    // Waits for the audio thread, not for a time: the bound only keeps a broken device from hanging.
    bool waitPast(int counted)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return called.wait_for(lock, std::chrono::seconds(10), [&] { return frames > counted; });
    }
};

TEST(Audio, TheDeviceOpensOnTheDummyDriverAndCallsBack)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    Pulled pulled;
    // A beep opens the device for itself; the mixer then takes it over.
    const int beeps = platformBeepCount();
    platformBeep();
    EXPECT_EQ(platformBeepCount(), beeps + 1);
    ASSERT_TRUE(platformOpenAudio(Pulled::fill, &pulled));
    EXPECT_TRUE(pulled.waitPast(0));
    // The silence rests the device, and nothing more is pulled until something starts.
    for (int waited = 0; waited < 10000 && !platformAudioResting(); waited += 5) {
        platformSleepMilliseconds(5);
    }
    EXPECT_TRUE(platformAudioResting());
    const int rested = pulled.count();
    platformResumeAudio();
    EXPECT_TRUE(pulled.waitPast(rested));
    platformLockAudio();
    platformUnlockAudio();
    platformCloseAudio();
    platformCloseAudio();
    platformLockAudio(); // without a device these do nothing
    platformUnlockAudio();
}

#ifdef __linux__
// SDL's audio threads in this process, by their names.
int audioThreads()
{
    int threads = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        threads += name.rfind("SDLAudio", 0) == 0;
    }
    return threads;
}

// SDL wakes a paused device's thread for every buffer; a window nobody sees needs no sound.
TEST_F(EventTest, AWindowAwayHasNoAudioThreadAndItsSoundComesBackWithIt)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    Pulled pulled;
    ASSERT_TRUE(platformOpenAudio(Pulled::fill, &pulled));
    EXPECT_TRUE(pulled.waitPast(0));
    EXPECT_EQ(audioThreads(), 1);
    EXPECT_EQ(convert({windowEvent(SDL_WINDOWEVENT_MINIMIZED)}), Lines{"minimise"});
    EXPECT_EQ(audioThreads(), 0);
    // Neither a beep nor a sound started while away opens the device again.
    platformBeep();
    platformResumeAudio();
    EXPECT_EQ(audioThreads(), 0);
    // Back on screen, the device opens again and calls the same callback.
    const int away = pulled.count();
    convert({windowEvent(SDL_WINDOWEVENT_RESTORED)});
    EXPECT_TRUE(pulled.waitPast(away));
    EXPECT_EQ(audioThreads(), 1); // named by the thread itself, so only once it has run
    // Closed while away, the device is not opened again when the window comes back.
    convert({windowEvent(SDL_WINDOWEVENT_HIDDEN)});
    platformCloseAudio();
    convert({windowEvent(SDL_WINDOWEVENT_SHOWN)});
    EXPECT_EQ(audioThreads(), 0);
}
#endif

// Without a device every beep used to open the audio system again, and the sound library
// complained on the standard error stream each time. Run in a fresh process of its own.
TEST(Audio, AMissingDeviceIsAskedForOnceARun)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            platformBeep();
            bool opened = platformOpenAudio(nullptr, nullptr);
            // A device that turns up later in the run is not asked for again.
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            platformBeep();
            opened = platformOpenAudio(nullptr, nullptr) || opened || SDL_WasInit(SDL_INIT_AUDIO);
            std::exit(opened ? 1 : 0);
        },
        testing::ExitedWithCode(0), "");
}

TEST(Files, TheExecutableAndDirectoriesAreFound)
{
    const std::string folder = platformExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    const std::string path = folder + "test_platform";
    EXPECT_TRUE(platformDirectoryExists(folder.c_str()));
    EXPECT_EQ(platformProgramName(), "test_platform");
    EXPECT_TRUE(platformDirectoryExists("/"));
    EXPECT_FALSE(platformDirectoryExists(path.c_str()));
    EXPECT_FALSE(platformDirectoryExists(nullptr));
    EXPECT_FALSE(platformChangeDirectory("/no/such/folder"));
    EXPECT_FALSE(platformOpenUrl(""));
}
