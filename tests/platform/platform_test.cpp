// platform_test.cpp: the SDL platform layer: events turned into window messages, the clock,
// the audio device, the clipboard and the files, on real SDL (offscreen video, dummy audio).
#include "platform/platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

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

    static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); }
    static void pushKey(Uint32 type, SDL_Scancode scancode, Uint8 repeat = 0)
    {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.scancode = scancode;
        event.key.repeat = repeat;
        push(event);
    }
    static void pushText(const char* text)
    {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        SDL_strlcpy(event.text.text, text, sizeof event.text.text);
        push(event);
    }
    static void pushButton(Uint32 type, Uint8 button, int x, int y)
    {
        SDL_Event event{};
        event.type = type;
        event.button.button = button;
        event.button.x = x;
        event.button.y = y;
        push(event);
    }
    static void pushWheel(int y, Uint32 direction)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.y = y;
        event.wheel.direction = direction;
        event.wheel.mouseX = 30;
        event.wheel.mouseY = 40;
        push(event);
    }

    // The next message, or one of kind None when nothing more is queued.
    static PlatformMessage take()
    {
        PlatformMessage message;
        for (int attempt = 0; attempt < 8; ++attempt) {
            if (platformWaitMessage(message, 0)) {
                return message;
            }
        }
        return PlatformMessage{};
    }
};

} // namespace

TEST_F(EventTest, KeysCarryTheirVirtualKeyExtendedFlagAndRepeat)
{
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_KP_ENTER);
    pushKey(SDL_KEYUP, SDL_SCANCODE_RETURN);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_RCTRL, 1);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_KP_7);
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_VOLUMEUP); // no virtual key: no message
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_0);

    PlatformMessage message = take();
    EXPECT_EQ(message.kind, PlatformMessageKind::KeyDown);
    EXPECT_EQ(message.virtualKey, 13);
    EXPECT_TRUE(message.extended);
    message = take();
    EXPECT_EQ(message.kind, PlatformMessageKind::KeyUp);
    EXPECT_EQ(message.virtualKey, 13);
    EXPECT_FALSE(message.extended);
    message = take();
    EXPECT_EQ(message.virtualKey, 17);
    EXPECT_TRUE(message.extended);
    EXPECT_TRUE(message.repeat);
    EXPECT_EQ(take().virtualKey, 103);
    message = take();
    EXPECT_EQ(message.virtualKey, '0');
    EXPECT_EQ(take().kind, PlatformMessageKind::None);
}

TEST_F(EventTest, TypedTextGivesOneCharacterPerByteMarkedWhileItsKeyRepeats)
{
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_A, 1);
    pushText("ab");
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_E);
    pushText("\xc3\xa9");
    EXPECT_TRUE(take().repeat);
    for (uint8_t expected : {uint8_t{'a'}, uint8_t{'b'}}) {
        PlatformMessage message = take();
        EXPECT_EQ(message.kind, PlatformMessageKind::Char);
        EXPECT_EQ(message.character, expected);
        EXPECT_TRUE(message.repeat);
    }
    EXPECT_FALSE(take().repeat);
    for (uint8_t expected : {uint8_t{0xc3}, uint8_t{0xa9}}) {
        PlatformMessage message = take();
        EXPECT_EQ(message.character, expected);
        EXPECT_FALSE(message.repeat);
    }
}

TEST_F(EventTest, ButtonsAreNumberedLeftRightMiddleAndTheXButtons)
{
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 2);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1, 2);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 1, 2);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_X1, 1, 2);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_X2, 1, 2);
    PlatformMessage message = take();
    EXPECT_EQ(message.kind, PlatformMessageKind::MouseDown);
    EXPECT_EQ(message.button, 1);
    EXPECT_EQ(message.x, 1);
    EXPECT_EQ(message.y, 2);
    EXPECT_EQ(take().button, 2);
    message = take();
    EXPECT_EQ(message.kind, PlatformMessageKind::MouseUp);
    EXPECT_EQ(message.button, 3);
    EXPECT_EQ(take().button, 4);
    EXPECT_EQ(take().button, 5);
}

TEST_F(EventTest, TheWheelCountsNotchesAwayFromTheUserAndIgnoresSidewaysTurns)
{
    pushWheel(1, SDL_MOUSEWHEEL_NORMAL);
    pushWheel(0, SDL_MOUSEWHEEL_NORMAL);
    pushWheel(2, SDL_MOUSEWHEEL_FLIPPED);
    PlatformMessage message = take();
    EXPECT_EQ(message.kind, PlatformMessageKind::MouseWheel);
    EXPECT_EQ(message.wheelDelta, 120);
    EXPECT_EQ(message.x, 30);
    EXPECT_EQ(message.y, 40);
    EXPECT_EQ(take().wheelDelta, -240);
    EXPECT_EQ(take().kind, PlatformMessageKind::None);
}

TEST_F(EventTest, PointerPositionsInAScaledPictureMapBackToPicturePixels)
{
    platformSetPresentation(PlatformRect{240, 0, 1440, 1080}, 800, 600);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 240 + 720;
    motion.motion.y = 540;
    push(motion);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 240, 1079);
    PlatformMessage message = take();
    EXPECT_EQ(message.kind, PlatformMessageKind::MouseMove);
    EXPECT_EQ(message.x, 400);
    EXPECT_EQ(message.y, 300);
    message = take();
    EXPECT_EQ(message.x, 0);
    EXPECT_EQ(message.y, 599);
}

TEST_F(EventTest, TheCloseButtonAndTerminationAreCloseRequestsFocusIsActivation)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    push(event);
    event.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    push(event);
    event.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    push(event);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    EXPECT_EQ(take().kind, PlatformMessageKind::Close);
    PlatformMessage message = take();
    EXPECT_EQ(message.kind, PlatformMessageKind::Activate);
    EXPECT_FALSE(message.active);
    EXPECT_TRUE(take().active);
    EXPECT_EQ(take().kind, PlatformMessageKind::Close);
}

TEST_F(EventTest, TheClipboardKeepsText)
{
    EXPECT_TRUE(platformSetClipboardText("12:34 pellix"));
    EXPECT_EQ(platformClipboardText(), "12:34 pellix");
    EXPECT_FALSE(platformSetClipboardText(nullptr));
}

TEST(Audio, TheDeviceOpensOnTheDummyDriverAndCallsBack)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    struct Shared {
        std::mutex mutex;
        std::condition_variable called;
        int frames = 0;
    } shared;
    auto fill = [](void* user, int16_t* samples, int frames) {
        auto* state = static_cast<Shared*>(user);
        std::fill(samples, samples + 2 * frames, int16_t{0});
        std::lock_guard<std::mutex> lock(state->mutex);
        state->frames += frames;
        state->called.notify_all();
    };
    ASSERT_TRUE(platformOpenAudio(fill, &shared));
    {
        std::unique_lock<std::mutex> lock(shared.mutex);
        // Waits for the audio thread, not for a time: the bound only keeps a broken device from hanging.
        EXPECT_TRUE(shared.called.wait_for(lock, std::chrono::seconds(10), [&] { return shared.frames > 0; }));
    }
    platformLockAudio();
    platformUnlockAudio();
    platformCloseAudio();
    platformCloseAudio();
    platformLockAudio(); // without a device these do nothing
    platformUnlockAudio();
}

TEST(Files, TheExecutableAndDirectoriesAreFound)
{
    std::string path = platformExecutablePath();
    ASSERT_GE(path.size(), 14u);
    EXPECT_EQ(path.substr(path.size() - 14), "/test_platform");
    EXPECT_TRUE(platformDirectoryExists("/"));
    EXPECT_FALSE(platformDirectoryExists(path.c_str()));
    EXPECT_FALSE(platformDirectoryExists(nullptr));
    EXPECT_FALSE(platformChangeDirectory("/no/such/folder"));
    EXPECT_FALSE(platformOpenUrl(""));
}
