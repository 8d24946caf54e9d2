package shapes;

import java.awt.*;

/** Shapes that draw themselves. */
public abstract class Shape extends java.awt.Component implements Runnable, Cloneable {
    public static final int MAX = 10;
    private int x, y = 2;
    protected String name = "shape \"one\"";
    char c = '\'';

    public Shape(int x, int y) { this.x = x; this.y = y; }
    public abstract double area();
    public synchronized void run() { /* nothing */ }
    static int count(int[] values) { return values.length; }

    interface Visitor {
        void visit(Shape s);
        int LIMIT = 3;
    }

    class Inner extends Shape {
        Inner() { super(0, 0); }
        public double area() { return 0; }
    }
}

interface Drawable {
    void draw(Graphics g);
}
