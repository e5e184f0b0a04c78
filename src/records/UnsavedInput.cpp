#include "records/UnsavedInput.h"

#include "platform/Prompt.h"

using namespace Qt::StringLiterals;

namespace UnsavedInput {

bool mayClose(Prompt& prompt, const std::function<bool()>& save)
{
    switch (prompt.show(Question, u"询问"_s, Prompt::Icon::Question, Prompt::Buttons::YesNoCancel)) {
    case Prompt::Answer::Yes:
        return save();
    case Prompt::Answer::No:
        return true;
    case Prompt::Answer::Ok:
    case Prompt::Answer::Cancel:
        break;
    }
    return false;
}

} // namespace UnsavedInput
