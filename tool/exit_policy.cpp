#include "tool/exit_policy.h"

#include "tool/hints.h"
#include "tool/messages.h"

bool readAsWritten(Session& session) {
    bool whole = true;
    for (const InputReading& input : session.readings()) {
        const LoadReport& report = input.report;
        if (report.joinedWeight) {
            session.say(input,
                        positionText(report.joinedAt) + "warning: " + describeJoinedWeight(report));
        }
        if (!report.complete()) {
            const std::string edges = std::to_string(report.triples) +
                                      (report.triples == 1 ? " edge" : " edges") +
                                      " read before it";
            session.say(input, positionText(report.stoppedAt) + "warning: reading stopped: " +
                                   describeStop(report) + "; answering from the " + edges);
        }
        for (const std::string& hint :
             readingHints(report, session.invocation().header, input.start, input.startIsWhole)) {
            session.say(input, hint);
        }
        whole = whole && report.complete() && !report.joinedWeight;
    }
    return whole;
}

ExitStatus statusOfRun(ExitStatus answered, bool readWhole, bool answeredCheck) {
    return readWhole || answeredCheck ? answered : ExitStatus::trouble;
}

ExitStatus statusOfCommandsFile(ExitStatus answered) {
    return answered == ExitStatus::trouble ? ExitStatus::trouble : ExitStatus::answered;
}

ExitStatus statusAfterOutput(ExitStatus status, bool outputWritten) {
    return outputWritten ? status : ExitStatus::trouble;
}
