// The six exported entries of counters and links.
#include "counters/CounterLinks.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"

namespace zr2 {
namespace {

// The common frame: silent when the bot is off, otherwise the work's answer with the speaker's prefix.
template <class Work>
void RunCounterEntry(const char* requestText, char* reply, Work work) {
  const Request request = ReadRequest(requestText);
  if (!BotEnabled(request.channel)) return;
  if (const std::optional<std::u16string> answer = work(request))
    SendReply(*answer, request.channel, request.speaker, reply);
}

}  // namespace
}  // namespace zr2

ZR2_ENTRY void ZR2_CALL SetCounterDef(const char* request, char* reply) {
  zr2::GuardEntry([&] {
    zr2::RunCounterEntry(request, reply, [](const zr2::Request& r) {
      return zr2::SetCounterDefault(r.speaker, r.channel, r.message);
    });
  });
}

ZR2_ENTRY void ZR2_CALL PutCounterDef(const char* request, char* reply) {
  zr2::GuardEntry([&] {
    zr2::RunCounterEntry(request, reply,
                         [](const zr2::Request& r) { return zr2::PutCounterDefault(r.speaker, r.channel); });
  });
}

ZR2_ENTRY void ZR2_CALL StartLinkShell(const char* request, char* reply) {
  zr2::GuardEntry([&] {
    zr2::RunCounterEntry(request, reply, [](const zr2::Request& r) { return zr2::StartLinks(r.channel); });
  });
}

ZR2_ENTRY void ZR2_CALL ClearLinkShell(const char* request, char* reply) {
  zr2::GuardEntry([&] {
    zr2::RunCounterEntry(request, reply, [](const zr2::Request& r) { return zr2::ClearLinks(r.channel); });
  });
}

ZR2_ENTRY void ZR2_CALL GetLinkShell(const char* request, char* reply) {
  zr2::GuardEntry([&] {
    zr2::RunCounterEntry(request, reply,
                         [](const zr2::Request& r) { return zr2::JoinAndShowLinks(r.speaker, r.channel); });
  });
}

ZR2_ENTRY void ZR2_CALL MoveLinkShell(const char* request, char* reply) {
  zr2::GuardEntry([&] {
    zr2::RunCounterEntry(request, reply,
                         [](const zr2::Request& r) { return zr2::MoveLink(r.speaker, r.channel, r.message); });
  });
}
