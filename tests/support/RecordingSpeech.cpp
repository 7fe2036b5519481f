#include "support/RecordingSpeech.h"

RecordingSpeech::RecordingSpeech()
{
    seams::setSpeech(this);
}

RecordingSpeech::~RecordingSpeech()
{
    seams::setSpeech(nullptr);
}
