unit Shapes;

interface

function Area(w, h: Integer): Integer;

implementation

{ Area of a rectangle. }
function Area(w, h: Integer): Integer;
begin
  Area := w * h;
end;

procedure Show(w, h: Integer);
var
  a: Integer;
begin
  a := Area(w, h); (* parenthesis call *)
  Log;
  Writeln('Area: ', a);
end;

procedure Log;
begin
  Show(1, 1)
end;

end.
