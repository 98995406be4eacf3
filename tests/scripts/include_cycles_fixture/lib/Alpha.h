#pragma once
class Alpha {
  public:
    int Value() const;
};
