#include "update/UpdateState.h"

DescriptorTexts UpdateState::texts() const
{
    QMutexLocker lock(&m_lock);
    return m_texts;
}

void UpdateState::setTexts(const DescriptorTexts& texts)
{
    QMutexLocker lock(&m_lock);
    m_texts = texts;
}

void UpdateState::setDocVersion(const QString& version)
{
    QMutexLocker lock(&m_lock);
    m_texts.docVersion = version;
}

UpdateState& updateState()
{
    static UpdateState state;
    return state;
}
