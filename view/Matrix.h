// A matrix of doubles with 1-based element access; the base of the plotted point.
#pragma once

class CMatrix
{
public:
    CMatrix() = default;
    virtual ~CMatrix();

    // The element at 1-based row and column, or none outside the matrix.
    virtual double* Element(int nRow, int nCol) const;
    virtual int RowCount() const = 0;
    virtual int ColCount() const = 0;
    virtual void Free();
    // this = a + b, element by element, when all three have the same shape; else nothing.
    virtual void Add(const CMatrix& a, const CMatrix& b);

    // Element i counted from 1 in row-major order, or none outside the matrix.
    double* Item(int i) const;
    void Zero();

protected:
    double* m_pElements = nullptr;

private:
    CMatrix(const CMatrix&) = delete;
    CMatrix& operator=(const CMatrix&) = delete;
};

// Copies the three elements of src into dest when src is 3 x 1; otherwise nothing.
void AssignPoint(CMatrix& dest, const CMatrix& src);
// a when a < b, otherwise b.
double Smaller(double a, double b);
