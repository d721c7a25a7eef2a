#pragma once
// Handing a new copy's command line to the running copy: a size block (4 bytes:
// S) and a text block (S bytes: 32-bit N, then N bytes of UTF-8 ending in a zero
// byte), both named after the new copy's id H, announced by the hand-over message.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The hand-over message (WM_USER + 101); also its lParam.
constexpr uint32_t WM_NEWINSTANCE = 0x465;

std::string SizeBlockName(uint32_t h);
std::string TextBlockName(uint32_t h);

// New copy: writes both blocks, sends the message to the endpoint and waits for
// its reply until the time-out; the blocks go away on return either way. Gives
// the reply, none when it did not come in time.
std::optional<uint32_t> SendCommandLine(uint32_t endpointId, uint32_t h, const std::string& commandLineUtf8,
                     std::chrono::milliseconds timeout);

// Running copy: opens the blocks of h (removing their names), replies 1 to release the sender, then reads
// the text; deliver (if set) gets it decoded. Missing or damaged blocks give nothing.
using CommandLineSink = std::function<void(const std::u16string& commandLine)>;
void TakeCommandLine(uint32_t h, const std::function<void(uint32_t)>& reply, const CommandLineSink& deliver);
