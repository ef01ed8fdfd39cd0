#include "resources/TranslationResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
void initTranslationResources()
{
    Q_INIT_RESOURCE(translations);
}
