#pragma once

#include <atomic>
#include <cstddef>

namespace lumio {

// Asks the system to give [data, data + bytes), memory that is about to be written, its
// pages now, in one call, instead of one page fault per 4 KiB while it is written:
// filling hundreds of megabytes that way costs more than decoding them. Only the
// pages that lie wholly inside the range are touched, and their contents stay as they
// are. Does nothing where the system has no such service.
void PrefaultForWriting(void* data, std::size_t bytes);

// Whether PrefaultForWriting does anything here.
bool PrefaultWorks();

// The pages of a buffer that one thread writes from its start, given in steps of a few
// megabytes either by the writer, just before it needs them, or ahead of it by another
// thread that has time to spare: the faults of fresh memory cost a large load about as
// much as decoding it. No more than `lead` bytes are given ahead of the writer, so
// memory is not taken long before it is used (nor past the end of a shorter text).
class PagesAhead {
public:
    // How the pages of a range are given: PrefaultForWriting, or a stand-in in tests.
    using GivePages = void (*)(void* data, std::size_t bytes);

    PagesAhead(void* data, std::size_t bytes, std::size_t lead,
               GivePages give = PrefaultForWriting);

    // The writer is about to write the buffer up to `offset` bytes.
    void WrittenUpTo(std::size_t offset);

    // Any thread: gives the next step ahead of the writer; false when there is none to
    // give now.
    bool GiveStepAhead();

    // No more steps, from any thread: the buffer is about to be handed on, replaced or
    // freed. Returns once no step is being given, so the buffer may go at once.
    void Stop();

private:
    // Gives the pages of the next step not yet taken, if it starts below `limit`.
    bool GiveStepBelow(std::size_t limit);

    unsigned char* const data_;
    const std::size_t bytes_;
    const std::size_t lead_;
    const GivePages give_;
    std::atomic<std::size_t> taken_{0}; // the steps below are given, or being given
    std::atomic<std::size_t> written_{0};
    std::atomic<bool> stopped_{false};
    std::atomic<int> giving_{0}; // calls between their look at stopped_ and their end
};

} // namespace lumio
