#pragma once
// Dialog identifiers of the controls of TMain; tests find the controls by them.
enum ControlId : int {
    kImage1Id = 101,
    kImage2Id = 102,
    kStonewrightsId = 103,
    kEdit1Id = 104,
    kStartId = 105,
    kStopId = 106,
};
