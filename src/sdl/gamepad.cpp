// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sdl/gamepad.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <utility>

#include <SDL.h>

#include "core/files.h"

namespace gravok::sdl {
namespace {

using pad::Button;

// The community's whole list is about half a megabyte.
constexpr std::size_t MaxMappingBytes = std::size_t{4} * 1024 * 1024;

SDL_GameController* ctl(void* p)
{
    return static_cast<SDL_GameController*>(p);
}

struct ButtonName {
    SDL_GameControllerButton sdl;
    Button button;
    const char* name;
};

constexpr std::array<ButtonName, 10> Buttons{{
    {SDL_CONTROLLER_BUTTON_A, Button::A, "a"},
    {SDL_CONTROLLER_BUTTON_B, Button::B, "b"},
    {SDL_CONTROLLER_BUTTON_X, Button::X, "x"},
    {SDL_CONTROLLER_BUTTON_Y, Button::Y, "y"},
    {SDL_CONTROLLER_BUTTON_BACK, Button::Back, "back"},
    {SDL_CONTROLLER_BUTTON_START, Button::Start, "start"},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, Button::Up, "up"},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, Button::Down, "down"},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, Button::Left, "left"},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, Button::Right, "right"},
}};

std::optional<Button> fromSdl(Uint8 b)
{
    for (const auto& n : Buttons)
        if (n.sdl == b)
            return n.button;
    return std::nullopt;
}

SDL_GameControllerButton toSdl(Button b)
{
    for (const auto& n : Buttons)
        if (n.button == b)
            return n.sdl;
    return SDL_CONTROLLER_BUTTON_INVALID;
}

std::optional<Button> byName(std::string word)
{
    for (char& c : word)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& n : Buttons)
        if (word == n.name)
            return n.button;
    return std::nullopt;
}

// SDL reads SDL_GAMECONTROLLERCONFIG when it starts; given again after the player's
// file, the mappings someone set for this one run win.
void reapplyEnvironmentMappings()
{
    const char* env = std::getenv("SDL_GAMECONTROLLERCONFIG");
    if (!env)
        return;
    std::istringstream lines(env);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#')
            SDL_GameControllerAddMapping(line.c_str());
}

} // namespace

Gamepad::Gamepad()
{
    // Our own signal handling stays ours: SDL must not turn SIGTERM into an event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // There is no SDL window whose focus SDL could wait for.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!available_)
        return;
    if (const auto file = playerMappingFile())
        (void)addMappings(*file);
    reapplyEnvironmentMappings();
}

Gamepad::~Gamepad()
{
    if (!available_)
        return;
    if (controller_)
        SDL_GameControllerClose(ctl(controller_));
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

std::string Gamepad::name() const
{
    const char* n = controller_ ? SDL_GameControllerName(ctl(controller_)) : nullptr;
    return n ? n : "";
}

std::string Gamepad::guid() const
{
    if (!controller_)
        return "";
    std::array<char, 64> text{};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(SDL_GameControllerGetJoystick(ctl(controller_))), text.data(),
                              static_cast<int>(text.size()));
    return text.data();
}

std::optional<int> Gamepad::addMappings(const std::filesystem::path& file)
{
    if (!available_)
        return std::nullopt;
    // The player may keep the file as a link; it is followed to a regular file only.
    const ReadResult read = readBounded(file, MaxMappingBytes, Links::Follow);
    const auto& text = read.bytes;
    if (!text)
        return std::nullopt;
    if (text->empty())
        return 0;
    SDL_RWops* rw = SDL_RWFromConstMem(text->data(), static_cast<int>(text->size()));
    if (!rw)
        return std::nullopt;
    const int added = SDL_GameControllerAddMappingsFromRW(rw, 1);
    if (added < 0)
        return std::nullopt;
    return added;
}

void Gamepad::openFirst(std::vector<PadEvent>& out)
{
    for (int i = 0; i < SDL_NumJoysticks() && !controller_; ++i) {
        if (!SDL_IsGameController(i))
            continue;
        if (SDL_GameController* c = SDL_GameControllerOpen(i)) {
            controller_ = c;
            instance_ = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c));
            out.push_back({PadEvent::Kind::Connected});
        }
    }
}

void Gamepad::close(std::vector<PadEvent>& out)
{
    SDL_GameControllerClose(ctl(controller_));
    controller_ = nullptr;
    instance_ = -1;
    out.push_back({PadEvent::Kind::Disconnected});
}

std::vector<PadEvent> Gamepad::poll()
{
    std::vector<PadEvent> out;
    if (!available_)
        return out;
    SDL_Event e;
    bool added = false;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED: added = true; break;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (controller_ && e.cdevice.which == instance_) {
                close(out);
                added = true; // another one may still be there
            }
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (controller_ && e.cbutton.which == instance_)
                if (const auto b = fromSdl(e.cbutton.button))
                    out.push_back({e.type == SDL_CONTROLLERBUTTONDOWN ? PadEvent::Kind::Down : PadEvent::Kind::Up, *b});
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (controller_ && e.caxis.which == instance_) {
                if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
                    out.push_back({PadEvent::Kind::Move, Button::A, pad::Axis::LeftX, e.caxis.value});
                else if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
                    out.push_back({PadEvent::Kind::Move, Button::A, pad::Axis::LeftY, e.caxis.value});
            }
            break;
        default: break;
        }
    }
    if (added && !controller_)
        openFirst(out);
    return out;
}

std::optional<std::filesystem::path> playerMappingFile()
{
    const std::filesystem::path folder = userFolder("XDG_CONFIG_HOME", ".config");
    if (folder.empty())
        return std::nullopt;
    return folder / "gamecontrollerdb.txt";
}

VirtualPad::VirtualPad() = default;

VirtualPad::~VirtualPad()
{
    detach();
}

std::string VirtualPad::guid() const
{
    if (!joystick_)
        return "";
    std::array<char, 64> text{};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(static_cast<SDL_Joystick*>(joystick_)), text.data(),
                              static_cast<int>(text.size()));
    return text.data();
}

bool VirtualPad::attach(bool asController)
{
    if (joystick_)
        return true;
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = asController ? SDL_JOYSTICK_TYPE_GAMECONTROLLER : SDL_JOYSTICK_TYPE_UNKNOWN;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = asController ? "Gravok test pad" : "Gravok test joystick";
    index_ = SDL_JoystickAttachVirtualEx(&desc);
    if (index_ < 0)
        return false;
    joystick_ = SDL_JoystickOpen(index_);
    if (!joystick_) {
        SDL_JoystickDetachVirtual(index_);
        index_ = -1;
    }
    return joystick_ != nullptr;
}

void VirtualPad::detach()
{
    if (!joystick_)
        return;
    // The device index may have moved since it was attached; the instance stays.
    const SDL_JoystickID id = SDL_JoystickInstanceID(static_cast<SDL_Joystick*>(joystick_));
    SDL_JoystickClose(static_cast<SDL_Joystick*>(joystick_));
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickIsVirtual(i) && SDL_JoystickGetDeviceInstanceID(i) == id)
            SDL_JoystickDetachVirtual(i);
    index_ = -1;
}

void VirtualPad::set(Button button, bool down)
{
    if (joystick_)
        SDL_JoystickSetVirtualButton(static_cast<SDL_Joystick*>(joystick_), toSdl(button), down ? 1 : 0);
}

void VirtualPad::move(pad::Axis axis, int value)
{
    if (!joystick_)
        return;
    const int a = axis == pad::Axis::LeftX ? SDL_CONTROLLER_AXIS_LEFTX : SDL_CONTROLLER_AXIS_LEFTY;
    SDL_JoystickSetVirtualAxis(static_cast<SDL_Joystick*>(joystick_), a, static_cast<Sint16>(value));
}

bool VirtualPad::command(const std::string& line)
{
    std::istringstream in(line);
    std::string verb, what;
    in >> verb;
    if (verb == "plug")
        return attach();
    if (verb == "unplug") {
        detach();
        return true;
    }
    if (!(in >> what))
        return false;
    if (verb == "down" || verb == "up") {
        const auto b = byName(what);
        if (!b)
            return false;
        set(*b, verb == "down");
        return true;
    }
    if (verb == "axis") {
        long value = 0;
        if (!(in >> value) || value < -32768 || value > 32767)
            return false;
        if (what == "leftx")
            move(pad::Axis::LeftX, static_cast<int>(value));
        else if (what == "lefty")
            move(pad::Axis::LeftY, static_cast<int>(value));
        else
            return false;
        return true;
    }
    return false;
}

} // namespace gravok::sdl
