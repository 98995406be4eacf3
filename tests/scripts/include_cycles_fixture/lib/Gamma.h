#pragma once
class Alpha;

class Gamma {
  public:
    int Count() const;
    int Twice() const;
};
