#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

namespace tarvello::forms {

// The object name of a control-array element: "mnuGLType_2" for element 2 of mnuGLType.
inline QString elementName(const QString &arrayName, int16_t index)
{
    return arrayName + QLatin1Char('_') + QString::number(index);
}

// Controls that share one name and are told apart by an Index, which need not run from 0 without gaps
// (the level menu has elements 0 and 2). Their common click procedure receives the Index. The array
// does not own its elements: they belong to their window.
template <class T> class ControlArray {
public:
    explicit ControlArray(QString name = {}) : name_(std::move(name)) {}
    ControlArray(const ControlArray &) = delete; // the elements' handlers point back here
    ControlArray &operator=(const ControlArray &) = delete;

    const QString &name() const { return name_; }

    // Adds an element under its Index; its object name becomes elementName(name, index).
    void add(int16_t index, T *element)
    {
        element->setArrayIndex(index);
        element->setObjectName(elementName(name_, index));
        elements_[index] = element;
        if (click_)
            connectClick(index, element);
    }

    // The element with this Index; throws std::out_of_range for an Index the array does not have.
    T *operator[](int16_t index) const { return elements_.at(index); }
    bool contains(int16_t index) const { return elements_.count(index) != 0; }
    int count() const { return static_cast<int>(elements_.size()); }
    std::vector<int16_t> indexes() const
    {
        std::vector<int16_t> result;
        for (const auto &entry : elements_)
            result.push_back(entry.first);
        return result;
    }

    // The array's click procedure, called with the Index of the element clicked.
    void setClickHandler(std::function<void(int16_t index)> handler)
    {
        click_ = std::move(handler);
        for (const auto &[index, element] : elements_)
            connectClick(index, element);
    }

    auto begin() const { return elements_.begin(); }
    auto end() const { return elements_.end(); }

private:
    void connectClick(int16_t index, T *element)
    {
        element->setClickHandler([this, index] {
            if (click_)
                click_(index);
        });
    }

    QString name_;
    std::map<int16_t, T *> elements_;
    std::function<void(int16_t)> click_;
};

} // namespace tarvello::forms
