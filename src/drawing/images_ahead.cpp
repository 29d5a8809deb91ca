// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/images_ahead.h"

#include <mutex>
#include <utility>

namespace drawing {
namespace {

struct MadeAhead {
    std::mutex mutex;
    std::vector<QImage> ready; // guarded by mutex
    unsigned dropped = 0;      // guarded by mutex: how many times the images were let go
};

MadeAhead& madeAhead() {
    static MadeAhead m;
    return m;
}

} // namespace

void makeImagesAhead(const std::vector<QSize>& sizes) {
    MadeAhead& m = madeAhead();
    unsigned dropped = 0;
    {
        const std::lock_guard<std::mutex> lock(m.mutex);
        dropped = m.dropped;
    }
    for (const QSize& size : sizes) {
        QImage image(size, pictureFormat);
        if (image.isNull()) continue;
        image.fill(0u); // every page is written now, on this thread
        const std::lock_guard<std::mutex> lock(m.mutex);
        if (m.dropped != dropped) return; // let go meanwhile: too late to be of use
        m.ready.push_back(std::move(image));
    }
}

QImage takeImageMadeAhead(QSize size) {
    MadeAhead& m = madeAhead();
    const std::lock_guard<std::mutex> lock(m.mutex);
    for (auto it = m.ready.begin(); it != m.ready.end(); ++it) {
        if (it->size() != size) continue;
        QImage image = std::move(*it);
        m.ready.erase(it);
        return image;
    }
    return {};
}

void dropImagesMadeAhead() {
    MadeAhead& m = madeAhead();
    std::vector<QImage> left; // freed once the lock is given back
    const std::lock_guard<std::mutex> lock(m.mutex);
    ++m.dropped;
    left.swap(m.ready);
}

} // namespace drawing
