#include "engine/SharedValues.h"

SharedValues &shared()
{
    static SharedValues values;
    return values;
}
