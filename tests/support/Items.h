// The items of a list box or combo box of this process, through its wrapper.
#pragma once
#include <string>
#include <vector>

namespace testsupport {

template <class List>
std::vector<std::string> ItemsOf(const List& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
    return items;
}

template <class List>
std::vector<std::wstring> WideItemsOf(const List& list) {
    std::vector<std::wstring> items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list.WideItem(i));
    return items;
}

}  // namespace testsupport
