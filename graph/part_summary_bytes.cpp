// A part summary's byte form: its start, end, resume point and report here,
// the summary by the EntryMatrix; the layout is in
// graph/internal/part_summary_bytes.h.
#include "graph/internal/part_summary_bytes.h"

#include "graph/internal/edge_list_reader.h"
#include "graph/part_summary.h"
#include "queries/internal/part_state.h"

using graph_internal::ByteReader;
using graph_internal::kPartSummaryMagic;
using graph_internal::PartState;
using graph_internal::putUnsigned;
using graph_internal::requireInForm;
using Stop = LoadReport::Stop;

namespace {

constexpr std::size_t kSizeField = 8 + 4;  // where the form's size stands

// The flags' bits.
constexpr unsigned directedTable = 1;
constexpr unsigned startHeader = 2;
constexpr unsigned resumes = 4;
constexpr unsigned resumeHeader = 8;
constexpr unsigned stoppedInHeader = 16;
constexpr unsigned joinedWeight = 32;
constexpr unsigned multiByteName = 64;

void putPosition(std::string& out, const InputPosition& at) {
    putUnsigned(out, at.offset, 8);
    putUnsigned(out, at.line, 8);
    putUnsigned(out, at.column, 8);
}

// A position of a part of bytes [begin, end): lines and columns from 1.
InputPosition positionOf(ByteReader& in, std::uint64_t begin, std::uint64_t end) {
    InputPosition at;
    at.offset = in.unsignedOf(8);
    at.line = in.unsignedOf(8);
    at.column = in.unsignedOf(8);
    requireInForm(at.offset >= begin && at.offset <= end && at.line > 0 && at.column > 0,
                  "a position out of range");
    return at;
}

}  // namespace

std::string PartSummary::toBytes() const {
    const PartState& part = *state_;
    const LoadReport& report = part.report;
    std::string out(kPartSummaryMagic);
    putUnsigned(out, kByteFormVersion, 4);
    putUnsigned(out, 0, 8);  // the size, known at the end
    putUnsigned(out,
                (part.matrix.directed() ? directedTable : 0u) |
                    (part.start.header ? startHeader : 0u) | (part.resume ? resumes : 0u) |
                    (part.resume && part.resume->header ? resumeHeader : 0u) |
                    (report.inHeader ? stoppedInHeader : 0u) |
                    (report.joinedWeight ? joinedWeight : 0u) |
                    (report.multiByteName ? multiByteName : 0u),
                1);
    putUnsigned(out, part.start.offset, 8);
    putUnsigned(out, part.start.column, 8);
    putUnsigned(out, part.end, 8);
    if (part.resume) {
        putUnsigned(out, part.resume->offset, 8);
        putUnsigned(out, part.resume->column, 8);
        putUnsigned(out, part.linesBeforeResume, 8);
        putUnsigned(out, part.fingerprintBeforeResume, 8);
    }
    putUnsigned(out, report.triples, 8);
    putUnsigned(out, static_cast<std::uint64_t>(report.stop), 1);
    putPosition(out, report.stoppedAt);
    putUnsigned(out, report.found.size(), 1);
    out += report.found;
    putUnsigned(out, report.fingerprint, 8);
    if (report.joinedWeight) {
        putPosition(out, report.joinedAt);
        putUnsigned(out, static_cast<unsigned char>(report.joinedByte), 1);
    }
    if (report.multiByteName) {
        putPosition(out, report.multiByteNameAt);
        out += report.multiByteNameBytes;
    }
    part.matrix.writeTo(out);
    std::string size;
    putUnsigned(size, out.size(), 8);
    out.replace(kSizeField, size.size(), size);
    return out;
}

PartSummary PartSummary::fromBytes(std::string_view bytes) {
    ByteReader in(bytes);
    requireInForm(in.take(kPartSummaryMagic.size()) == kPartSummaryMagic, "no magic");
    requireInForm(in.unsignedOf(4) == kByteFormVersion, "a version this library cannot read");
    requireInForm(in.unsignedOf(8) == bytes.size(), "a size other than its own");
    const std::uint64_t flags = in.unsignedOf(1);
    requireInForm(flags < 128, "unknown flags");
    auto part = std::make_unique<PartState>((flags & directedTable) != 0);
    LoadReport& report = part->report;
    part->start = {in.unsignedOf(8), in.unsignedOf(8), (flags & startHeader) != 0};
    part->end = in.unsignedOf(8);
    const std::uint64_t begin = part->start.offset;
    requireInForm(part->start.column > 0 && part->end >= begin, "a part's bounds out of range");
    if (flags & resumes) {
        part->resume = PartStart{in.unsignedOf(8), in.unsignedOf(8), (flags & resumeHeader) != 0};
        part->linesBeforeResume = in.unsignedOf(8);
        part->fingerprintBeforeResume = in.unsignedOf(8);
        requireInForm(part->resume->offset >= begin && part->resume->offset <= part->end &&
                          part->resume->column > 0 &&
                          (!part->resume->header || *part->resume == part->start),
                      "a resume point out of range");
    } else {
        requireInForm((flags & resumeHeader) == 0, "a resume point's header without one");
    }
    report.triples = in.unsignedOf(8);
    report.stop = static_cast<Stop>(in.unsignedOf(1));
    const bool ranOut = graph_internal::ranOutOfBytes(report.stop);
    requireInForm(report.stop <= Stop::inputError && ranOut == part->resume.has_value(),
                  "a stop out of range");
    report.stoppedAt = positionOf(in, begin, part->end);
    requireInForm(!ranOut || (report.stoppedAt.offset == part->end &&
                              part->linesBeforeResume < report.stoppedAt.line),
                  "reading ran out of bytes before their end");
    const std::size_t found = static_cast<std::size_t>(in.unsignedOf(1));
    requireInForm(found <= graph_internal::kFoundBytes, "a found item too long");
    report.found = std::string(in.take(found));
    report.fingerprint = in.unsignedOf(8);
    report.inHeader = (flags & stoppedInHeader) != 0;
    requireInForm(!report.inHeader || part->start.header, "a header not read");
    if (flags & joinedWeight) {
        report.joinedWeight = true;
        report.joinedAt = positionOf(in, begin, part->end);
        report.joinedByte = static_cast<char>(in.unsignedOf(1));
    }
    if (flags & multiByteName) {
        report.multiByteName = true;
        report.multiByteNameAt = positionOf(in, begin, part->end);
        report.multiByteNameBytes = std::string(in.take(2));
    }
    part->matrix = graph_internal::EntryMatrix::readFrom(in, part->matrix.directed());
    requireInForm(part->matrix.triplesNoted() == report.triples, "triples other than noted");
    requireInForm(in.left() == 0, "bytes after the form");
    return PartSummary(std::move(part));
}
