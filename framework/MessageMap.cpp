// Looking a notification up in a class's message table and its bases'.

#include "framework/MessageMap.h"

const MessageMap* CCmdTarget::GetMessageMap() const {
    static const MessageMap map{nullptr, {}};
    return &map;
}

const MessageMapEntry* CCmdTarget::FindHandler(int id, Notification code) const {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base)
        for (const MessageMapEntry& entry : map->entries)
            if (entry.id == id && entry.code == code) return &entry;
    return nullptr;
}
