#include "platform/input/EventProcessor.h"
#include "platform/sdl/SdlInputSource.h"
#include "support/FakeInputSource.h"

#include <SDL_scancode.h>
#include <gtest/gtest.h>

using namespace input;

TEST(KeyCodes, ScanCodesMapToTheEngineCodes)
{
    EXPECT_EQ(KC_A, keyCodeFromScancode(SDL_SCANCODE_A));
    EXPECT_EQ(30, keyCodeFromScancode(SDL_SCANCODE_A));
    EXPECT_EQ(1, keyCodeFromScancode(SDL_SCANCODE_ESCAPE));
    EXPECT_EQ(183, keyCodeFromScancode(SDL_SCANCODE_PRINTSCREEN));
    EXPECT_EQ(211, keyCodeFromScancode(SDL_SCANCODE_DELETE));
    EXPECT_EQ(200, keyCodeFromScancode(SDL_SCANCODE_UP));
    EXPECT_EQ(209, keyCodeFromScancode(SDL_SCANCODE_PAGEDOWN));
    EXPECT_EQ(KC_W, keyCodeFromScancode(SDL_SCANCODE_W));
    EXPECT_EQ(KC_UNASSIGNED, keyCodeFromScancode(SDL_SCANCODE_AUDIONEXT));
}

TEST(Utf8, DecodesTurkishLettersAndSkipsBrokenBytes)
{
    std::vector<unsigned int> codes;
    platform::decodeUtf8("a\xC3\xA7\xC4\x9F", codes);  // a, c-cedilla, g-breve
    EXPECT_EQ((std::vector<unsigned int>{'a', 0xE7, 0x11F}), codes);
    codes.clear();
    platform::decodeUtf8("\xFF" "b\xC3", codes);
    EXPECT_EQ((std::vector<unsigned int>{'b'}), codes);
}

TEST(InputReader, PolledKeysFollowPressAndRelease)
{
    FakeInputSource source;
    InputReader reader(&source);
    source.keyDown(KC_W);
    reader.capture();
    EXPECT_TRUE(reader.isKeyDown(KC_W));
    EXPECT_FALSE(reader.isKeyDown(KC_S));
    source.keyUp(KC_W);
    reader.capture();
    EXPECT_FALSE(reader.isKeyDown(KC_W));
    EXPECT_TRUE(reader.takeEvents().empty()) << "unbuffered keys queue nothing";
}

TEST(InputReader, ATapWithinOneFrameIsSeenForThatFrame)
{
    FakeInputSource source;
    InputReader reader(&source);
    source.keyDown(KC_ESCAPE);
    source.keyUp(KC_ESCAPE);
    reader.capture();
    EXPECT_TRUE(reader.isKeyDown(KC_ESCAPE));
    reader.capture();
    EXPECT_FALSE(reader.isKeyDown(KC_ESCAPE));
}

TEST(InputReader, BufferedKeysCarryTheirTypedCharacter)
{
    FakeInputSource source;
    InputReader reader(&source);
    reader.setBufferedInput(true, false);
    source.keyDown(KC_A);
    source.text('a');
    source.text(0x11F);  // typed without a key of its own (an input method)
    source.keyDown(KC_BACK);
    reader.capture();
    auto events = reader.takeEvents();
    ASSERT_EQ(3u, events.size());
    EXPECT_EQ(KC_A, events[0].key);
    EXPECT_EQ('a', events[0].keyChar);
    EXPECT_EQ(KC_UNASSIGNED, events[1].key);
    EXPECT_EQ(0x11Fu, events[1].keyChar);
    EXPECT_EQ(KC_BACK, events[2].key);
    EXPECT_EQ(0u, events[2].keyChar);
}

TEST(InputReader, RelativeMotionIsTheSumOfOneCapture)
{
    FakeInputSource source;
    InputReader reader(&source);
    source.moveTo(0.6f, 0.5f);
    source.moveTo(0.7f, 0.4f);
    reader.capture();
    EXPECT_NEAR(0.2f, reader.getMouseRelativeX(), 1e-6);
    EXPECT_NEAR(-0.1f, reader.getMouseRelativeY(), 1e-6);
    reader.capture();
    EXPECT_EQ(0.0f, reader.getMouseRelativeX());
    source.button(BUTTON1_MASK, true);
    reader.capture();
    EXPECT_TRUE(reader.getMouseButton(1));
    EXPECT_FALSE(reader.getMouseButton(0));
}

namespace {

struct Recorder : KeyListener, MouseListener, MouseMotionListener {
    std::vector<std::string> seen;
    bool consumePresses = false;
    void keyPressed(KeyEvent* e) override { seen.push_back("key " + std::to_string(e->getKey())); }
    void mousePressed(MouseEvent* e) override
    {
        seen.push_back("press " + std::to_string(e->getButtonID()));
        if (consumePresses)
            e->consume();
    }
    void mouseReleased(MouseEvent* e) override { seen.push_back("release " + std::to_string(e->getButtonID())); }
    void mouseMoved(MouseEvent*) override { seen.push_back("moved"); }
    void mouseDragged(MouseEvent*) override { seen.push_back("dragged"); }
};

}  // namespace

TEST(EventProcessor, DeliversMouseEventsAndDragsWhileAButtonIsHeld)
{
    FakeInputSource source;
    EventProcessor processor;
    processor.initialise(nullptr);
    processor.startProcessingEvents(false);
    Recorder first, second;
    first.consumePresses = true;
    processor.addMouseListener(&first);
    processor.addMouseListener(&second);
    processor.addMouseMotionListener(&first);
    processor.addKeyListener(&first);

    source.moveTo(0.2f, 0.2f);
    source.button(BUTTON0_MASK, true);
    source.moveTo(0.3f, 0.2f);
    source.button(BUTTON0_MASK, false);
    source.keyDown(KC_W);  // polled, and an event as well
    processor.processEvents();

    EXPECT_EQ((std::vector<std::string>{"moved", "press 16", "dragged", "release 16", "key 17"}), first.seen);
    EXPECT_EQ((std::vector<std::string>{"release 16"}), second.seen) << "a consumed press goes no further";
    EXPECT_TRUE(processor.getInputReader()->isKeyDown(KC_W));
}

TEST(EventProcessor, KeyEventsComeInEitherKeyMode)
{
    FakeInputSource source;
    EventProcessor processor;
    processor.startProcessingEvents(false);
    Recorder recorder;
    processor.addKeyListener(&recorder);
    for (bool buffered : {false, true, false}) {
        processor.getInputReader()->setBufferedInput(buffered, true);
        source.keyDown(KC_DELETE);
        source.keyUp(KC_DELETE);
        processor.processEvents();
    }
    EXPECT_EQ((std::vector<std::string>{"key 211", "key 211", "key 211"}), recorder.seen);
}
